#include "statement_syntax_checks.h"

#include "numeric_type_names.h"

#include <cctype>

namespace d3dcompiler_standin {

namespace {

using Kind = HlslToken::Kind;

bool IsPunctuation(const std::vector<HlslToken>& tokens, size_t at, const char* text) {
    return at < tokens.size() && tokens[at].kind == Kind::Punctuation && tokens[at].text == text;
}

// "done:" where a statement starts; "case" and "default" labels are the
// switch's own, and "S::f" names a member.
bool IsLabel(const std::vector<HlslToken>& tokens, size_t at) {
    if (at == 0 || tokens[at].kind != Kind::Identifier || !IsPunctuation(tokens, at + 1, ":") ||
        IsPunctuation(tokens, at + 2, ":") || tokens[at].text == "case" ||
        tokens[at].text == "default") {
        return false;
    }
    return IsPunctuation(tokens, at - 1, ";") || IsPunctuation(tokens, at - 1, "{") ||
           IsPunctuation(tokens, at - 1, "}");
}

// Microsoft's "Reserved Words": no construct takes them.
bool IsReservedWord(const std::string& word) {
    static const char* const kReserved[] = {
        "auto",  "catch",    "char",     "const_cast",  "delete",   "dynamic_cast",
        "enum",  "explicit", "friend",   "goto",        "long",     "mutable",
        "new",   "operator", "private",  "protected",   "public",   "reinterpret_cast",
        "short", "signed",   "sizeof",   "static_cast", "template", "this",
        "throw", "try",      "typename", "union",       "using",    "virtual"};
    for (const char* reserved : kReserved) {
        if (word == reserved) {
            return true;
        }
    }
    return false;
}

// In the first clause of the for statement whose '(' is at `open`: a numeric
// type after a comma at the clause's own depth, when the clause starts with
// no type (an expression); the type's index, or 0.
size_t DeclarationAfterExpression(const std::vector<HlslToken>& tokens, size_t open) {
    NumericTypeName type;
    if (open + 1 >= tokens.size() || ReadNumericTypeName(tokens[open + 1].text, &type)) {
        return 0;
    }
    // A clause runs to its ';' within a few tokens; the bound keeps a source of
    // unclosed for statements from costing the square of its length.
    constexpr size_t kLongestClause = 1024;
    int depth = 0;
    for (size_t at = open + 1; at + 1 < tokens.size() && at - open < kLongestClause; ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "(" || text == "[" || text == "{";
        depth -= text == ")" || text == "]" || text == "}";
        if (depth < 0 || (depth == 0 && text == ";")) {
            return 0;
        }
        if (depth == 0 && text == "," && ReadNumericTypeName(tokens[at + 1].text, &type)) {
            return at + 1;
        }
    }
    return 0;
}

// After an initialiser's '=' ("float x = y y;"): a name right after a name or
// a number, before the value ends (its statement, or a ',' or ')' of the list
// it stands in, as a parameter's default does); its index, or 0.
size_t NameAfterOperand(const std::vector<HlslToken>& tokens, size_t equals) {
    int depth = 0;
    for (size_t at = equals + 1; at + 1 < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind == Kind::Punctuation) {
            const char c = token.text.size() == 1 ? token.text[0] : '\0';
            depth += c == '(' || c == '[';
            if (c == ';' || c == '{' || c == '}' || c == '=' ||
                (depth == 0 && (c == ',' || c == ')' || c == ']'))) {
                return 0;
            }
            depth -= c == ')' || c == ']';
        } else if (token.kind != Kind::String && tokens[at + 1].kind == Kind::Identifier) {
            // "compile vs_5_0 VSMain()" is an effect's state, no expression.
            return token.text == "compile" ? 0 : IsReservedWord(token.text) ? at : at + 1;
        }
    }
    return 0;
}

// Words that start a statement, never a declaration's name.
bool IsStatementKeyword(const std::string& word) {
    switch (word.size()) {
    case 2:
        return word == "if" || word == "do";
    case 3:
        return word == "for";
    case 4:
        return word == "else";
    case 5:
        return word == "while" || word == "break";
    case 6:
        return word == "return" || word == "switch";
    case 7:
        return word == "discard";
    case 8:
        return word == "continue";
    default:
        return false;
    }
}

// "1.0.5" is 1.0 and then the float .5, which no operand may follow; "2 3"
// likewise. Where the number at `at` is such a pair: the second number,
// copied only then, since this runs over every number of every compile.
bool NumberAfterNumber(const std::vector<HlslToken>& tokens, size_t at, HlslToken* second) {
    const std::string& text = tokens[at].text;
    const size_t point = text.find('.');
    if (point != std::string::npos && text.find('.', point + 1) != std::string::npos &&
        text.find_first_of("xX") == std::string::npos) {
        const size_t split = text.find('.', point + 1);
        *second = tokens[at];
        second->text = text.substr(split);
        second->column += uint32_t(split);
        return true;
    }
    if (at + 1 < tokens.size() && tokens[at + 1].kind == Kind::Number) {
        *second = tokens[at + 1];
        return true;
    }
    // The tokens read a point before digits after a number ("1.0 .5") as a
    // member access.
    if (at + 2 < tokens.size() && tokens[at + 1].text == "." &&
        tokens[at + 2].kind == Kind::Number && std::isdigit(uint8_t(tokens[at + 2].text[0])) &&
        tokens[at + 2].offset == tokens[at + 1].offset + 1) {
        *second = tokens[at + 1];
        second->text += tokens[at + 2].text;
        return true;
    }
    return false;
}

bool RefuseNumber(const HlslToken& number, std::string* errors) {
    const bool hex = number.text.size() > 1 && (number.text[1] == 'x' || number.text[1] == 'X');
    const bool floating = !hex && number.text.find_first_of(".eE") != std::string::npos;
    *errors += SourceError(number,
                           floating ? "syntax error: unexpected float constant"
                                    : "syntax error: unexpected integer constant",
                           "X3000") +
               "\n";
    return false;
}

bool Refuse(const HlslToken& token, std::string* errors) {
    *errors +=
        SourceError(token, "syntax error: unexpected token '" + token.text + "'", "X3000") + "\n";
    return false;
}

// "(float4 : SV_Position" or ", float4 : ...": a parameter's semantic where
// its name should stand, on which glslang crashes. Not "S::f".
bool IsSemanticWithoutName(const std::vector<HlslToken>& tokens, size_t colon) {
    return colon >= 2 && tokens[colon - 1].kind == Kind::Identifier &&
           (IsPunctuation(tokens, colon - 2, "(") || IsPunctuation(tokens, colon - 2, ",")) &&
           !IsPunctuation(tokens, colon + 1, ":");
}

struct OpenBracket {
    size_t at;
    bool forClauses; // a for statement's parentheses
    int semicolons;
};

// Tracks the ( and [ open at tokens[at]; whether it stands where HLSL has
// nothing: a ';' in brackets other than a for statement's parentheses, or a
// third one there; a ')' closing those before their second; a brace in any
// brackets; a bracket closing none or the other kind. glslang crashes on some
// such sources (an array's size whose ']' is missing, a for statement short
// of a ';') where Windows reports the token.
bool BreaksBrackets(const std::vector<HlslToken>& tokens, size_t at,
                    std::vector<OpenBracket>* open) {
    const char c = tokens[at].text[0];
    switch (c) {
    case '(':
    case '[':
        open->push_back({at, c == '(' && at > 0 && tokens[at - 1].text == "for", 0});
        return false;
    case ')':
    case ']': {
        if (open->empty() || tokens[open->back().at].text[0] != (c == ')' ? '(' : '[') ||
            (open->back().forClauses && open->back().semicolons < 2)) {
            return true;
        }
        open->pop_back();
        return false;
    }
    case ';':
        return !open->empty() && (!open->back().forClauses || ++open->back().semicolons > 2);
    case '{':
    case '}':
        return !open->empty();
    default:
        return false;
    }
}

} // namespace

bool CheckStatementSyntax(const std::vector<HlslToken>& tokens, std::string* errors) {
    NumericTypeName type;
    std::vector<OpenBracket> open;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind == Kind::Punctuation && BreaksBrackets(tokens, at, &open)) {
            return Refuse(token, errors);
        }
        // Most tokens are none of the forms: one character's test each.
        const char first = token.text[0];
        if (token.kind == Kind::Punctuation && first != ':' && first != '=') {
            continue;
        }
        if (token.kind == Kind::Identifier && first != 'f' &&
            (at + 1 == tokens.size() || tokens[at + 1].kind != Kind::Identifier)) {
            continue;
        }
        if (token.kind == Kind::Punctuation) {
            const bool inParentheses = !open.empty() && tokens[open.back().at].text == "(";
            if (token.text == ":" && inParentheses && IsSemanticWithoutName(tokens, at)) {
                return Refuse(token, errors);
            }
            if (token.text == ":" && at > 0 && IsLabel(tokens, at - 1)) {
                return Refuse(token, errors);
            }
            const size_t name =
                token.text == "=" && at > 0 && tokens[at - 1].kind == Kind::Identifier
                    ? NameAfterOperand(tokens, at)
                    : 0;
            if (name != 0) {
                return Refuse(tokens[name], errors);
            }
        } else if (token.kind == Kind::Number) {
            HlslToken second;
            if (NumberAfterNumber(tokens, at, &second)) {
                return RefuseNumber(second, errors);
            }
        } else if (at + 1 < tokens.size() && tokens[at + 1].kind == Kind::Identifier &&
                   IsStatementKeyword(tokens[at + 1].text) &&
                   ReadNumericTypeName(token.text, &type)) {
            return Refuse(tokens[at + 1], errors); // "float return = y;"
        } else if (token.text == "for" && IsPunctuation(tokens, at + 1, "(")) {
            const size_t type = DeclarationAfterExpression(tokens, at + 1);
            if (type != 0) {
                return Refuse(tokens[type], errors);
            }
        }
    }
    return true;
}

} // namespace d3dcompiler_standin
