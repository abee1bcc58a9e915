#include "function_scan.h"
#include "loop_iterations.h"
#include "numeric_type_names.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool Visible(const std::vector<std::set<std::string>>& scopes, const std::string& name) {
    for (const std::set<std::string>& scope : scopes) {
        if (scope.count(name)) {
            return true;
        }
    }
    return false;
}

void WarnRedeclared(const HlslToken& name, std::string* warnings) {
    *warnings += SourceWarning(name,
                               "'" + name.text +
                                   "': loop control variable conflicts with a previous "
                                   "declaration in the outer scope; most recent declaration "
                                   "will be used",
                               "X3078");
}

// "for (i = int(0);": the loop-scope rewrite's form of "for (int i = 0;" where
// an i was declared before and is read after the loop.
bool RedeclaredBeforeRewrite(const Tokens& tokens, size_t at) {
    NumericTypeName type;
    return at >= 2 && IsIdentifier(tokens, at) && tokens[at - 1].text == "(" &&
           IsToken(tokens, at - 2, "for") && IsToken(tokens, at + 1, "=") &&
           at + 3 < tokens.size() && ReadNumericTypeName(tokens[at + 2].text, &type) &&
           IsToken(tokens, at + 3, "(");
}

// X3078: "for (int i ...)" where an i is in scope already. A for statement's
// variable belongs to the block around the loop (fxc's scoping), so a second
// loop declaring it again conflicts with the first.
void WarnRedeclaredLoopVariables(const Tokens& tokens, const FunctionDefinition& function,
                                 std::string* warnings) {
    std::vector<std::set<std::string>> scopes(1);
    for (size_t at = function.parameters + 1; at < function.body; ++at) {
        if (DeclaresName(tokens, at)) {
            scopes[0].insert(tokens[at + 1].text);
        }
    }
    const size_t end = std::min(function.end, tokens.size());
    for (size_t at = function.body + 1; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "{") {
            scopes.emplace_back();
        } else if (text == "}" && scopes.size() > 1) {
            scopes.pop_back();
        } else if (DeclaresName(tokens, at)) {
            const HlslToken& name = tokens[at + 1];
            // The loop-scope rewrite moves a variable read after its loop
            // in front of it: "int i; for (i = 0; ...)".
            const bool hoisted = IsToken(tokens, at + 2, ";") && IsToken(tokens, at + 3, "for") &&
                                 IsToken(tokens, at + 4, "(") &&
                                 IsToken(tokens, at + 5, name.text.c_str());
            const bool inFor = tokens[at - 1].text == "(" && IsToken(tokens, at - 2, "for");
            if ((inFor || hoisted) && Visible(scopes, name.text)) {
                WarnRedeclared(name, warnings);
            }
            scopes.back().insert(name.text);
        } else if (RedeclaredBeforeRewrite(tokens, at) && Visible(scopes, text)) {
            WarnRedeclared(tokens[at], warnings);
        }
    }
}

// X3557: "for (int i = A; i < B; i++)" with literal bounds that runs at most
// once; the compiler unrolls it whatever its attributes say.
void WarnSingleIteration(const Tokens& tokens, size_t loop, std::string* warnings) {
    const std::optional<int64_t> count = LiteralIterations(tokens, loop);
    if (count && *count <= 1) {
        *warnings += SourceWarning(tokens[loop],
                                   "loop only executes for " + std::to_string(*count) +
                                       " iteration(s), forcing loop to unroll",
                                   "X3557");
    }
}

} // namespace

void WarnLoops(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
               std::string* warnings) {
    for (const FunctionDefinition& function : functions) {
        WarnRedeclaredLoopVariables(tokens, function, warnings);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at < end; ++at) {
            if (tokens[at].text == "for" && IsToken(tokens, at + 1, "(")) {
                WarnSingleIteration(tokens, at, warnings);
            }
        }
    }
}

} // namespace d3dcompiler_standin
