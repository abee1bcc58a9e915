#include "constant_operand_checks.h"
#include "numeric_type_names.h"

#include <map>
#include <strings.h>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Names declared "type name" with a numeric type and no `const`: variables,
// whose values are known only when the shader runs.
std::set<std::string> VariableNames(const Tokens& tokens) {
    std::set<std::string> variables;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        NumericTypeName type;
        if (ReadNumericTypeName(tokens[at].text, &type) && IsIdentifier(tokens, at + 1) &&
            !IsToken(tokens, at + 2, "(") && tokens[at - 1].text != "const") {
            variables.insert(tokens[at + 1].text);
        }
    }
    return variables;
}

// "case which:": a case label is a constant (the switch page: "a constant
// literal"); a name declared as a variable is none.
void CheckCaseLabels(const Tokens& tokens, std::string* errors) {
    std::set<std::string> variables;
    bool scanned = false;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "case") {
            continue;
        }
        if (!scanned) {
            variables = VariableNames(tokens);
            scanned = true;
        }
        for (size_t label = at + 1; label < tokens.size() && tokens[label].text != ":"; ++label) {
            if (IsIdentifier(tokens, label) && variables.count(tokens[label].text) != 0) {
                *errors +=
                    SourceError(tokens[label], "case label must be a literal expression") + "\n";
                break;
            }
        }
    }
}

// "[numthreads(f)]": a name that nothing declares is undeclared.
void CheckNumthreadsNames(const Tokens& tokens, std::string* errors) {
    std::map<std::string, int> uses;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (strcasecmp(tokens[at].text.c_str(), "numthreads") != 0 || tokens[at - 1].text != "[" ||
            tokens[at + 1].text != "(") {
            continue;
        }
        if (uses.empty()) {
            for (const HlslToken& token : tokens) {
                uses[token.text] += token.kind == HlslToken::Kind::Identifier;
            }
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        for (size_t name = at + 2; name < close && name < tokens.size(); ++name) {
            if (IsIdentifier(tokens, name) && uses[tokens[name].text] == 1) {
                *errors +=
                    SourceError(tokens[name], "undeclared identifier '" + tokens[name].text + "'",
                                "X3004") +
                    "\n";
            }
        }
    }
}

} // namespace

void CheckConstantOperands(const std::vector<HlslToken>& tokens, std::string* errors) {
    CheckCaseLabels(tokens, errors);
    CheckNumthreadsNames(tokens, errors);
}

} // namespace d3dcompiler_standin
