#include "nested_function_checks.h"

#include "array_size_checks.h"
#include "member_checks.h"

namespace d3dcompiler_standin {

namespace {

enum class Scope { Function, Structure, Other };

bool IsStatementKeyword(const std::string& text) {
    return text == "if" || text == "for" || text == "while" || text == "switch" ||
           text == "register" || text == "packoffset";
}

// Whether the '{' at `open` starts a function's body: "type name(...) {", or
// with a semantic, "type name(...) : SV_Target {".
bool OpensFunctionBody(const std::vector<HlslToken>& tokens, size_t open) {
    size_t close = open - 1;
    if (close >= 2 && IsIdentifier(tokens, close) && tokens[close - 1].text == ":") {
        close -= 2;
    }
    if (open == 0 || tokens[close].text != ")") {
        return false;
    }
    const size_t paren = OpeningBracket(tokens, close);
    return paren >= 2 && IsIdentifier(tokens, paren - 1) &&
           !IsStatementKeyword(tokens[paren - 1].text) &&
           (IsIdentifier(tokens, paren - 2) || tokens[paren - 2].text == ">") &&
           tokens[paren - 2].text != "return";
}

bool OpensStructure(const std::vector<HlslToken>& tokens, size_t open) {
    for (size_t back = 1; back <= 2 && back <= open; ++back) {
        const std::string& text = tokens[open - back].text;
        if (text == "struct" || text == "class" || text == "interface") {
            return true;
        }
    }
    return false;
}

} // namespace

bool CheckNestedFunctions(const std::vector<HlslToken>& tokens, std::string* errors) {
    std::vector<Scope> scopes;
    scopes.reserve(32);
    size_t functions = 0; // how many of `scopes` are function bodies
    for (size_t at = 0; at < tokens.size(); ++at) {
        // One character read first: this runs over every token of every compile.
        const std::string& text = tokens[at].text;
        const char only = text.size() == 1 ? text[0] : '\0';
        if (only == '}' && !scopes.empty()) {
            functions -= scopes.back() == Scope::Function;
            scopes.pop_back();
        }
        if (only == '[') {
            CheckArrayDimensions(tokens, at, errors);
        }
        if (only != '{') {
            continue;
        }
        const bool function = at > 0 && OpensFunctionBody(tokens, at);
        if (function && functions > 0) {
            *errors +=
                SourceError(tokens[at], "syntax error: unexpected token '{'", "X3000") + "\n";
            return false;
        }
        const bool structure = !function && OpensStructure(tokens, at);
        if (structure) {
            // Read here, in the one walk over the tokens these checks make.
            CheckStructureMembers(tokens, at, ClosingBracket(tokens, at), errors);
        }
        scopes.push_back(function ? Scope::Function : structure ? Scope::Structure : Scope::Other);
        functions += function;
    }
    return true;
}

} // namespace d3dcompiler_standin
