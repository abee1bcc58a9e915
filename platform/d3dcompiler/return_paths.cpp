#include "return_paths.h"
#include "constant_expressions.h"
#include "function_scan.h"

#include <algorithm>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool Is(const Tokens& tokens, size_t at, const char* text) {
    return at < tokens.size() && tokens[at].text == text;
}

// One statement from `at` (below `end`): sets `next` past it and returns
// whether every path through it returns.
bool StatementReturns(const Tokens& tokens, size_t at, size_t end, size_t* next);

bool BlockReturns(const Tokens& tokens, size_t at, size_t end) {
    bool returns = false;
    while (at < end) {
        size_t next = at;
        returns |= StatementReturns(tokens, at, end, &next);
        at = next > at ? next : at + 1;
    }
    return returns;
}

// "if (c) s1 [else s2]": a constant condition is folded, as the compiler
// does before it judges the paths, so only the branch it keeps counts.
bool IfReturns(const Tokens& tokens, size_t at, size_t end, size_t* next) {
    const size_t close = ClosingBracket(tokens, at + 1);
    const std::optional<int64_t> condition = EvaluateIntegerConstant(tokens, at + 2, close);
    size_t thenNext = 0;
    const bool thenReturns = StatementReturns(tokens, close + 1, end, &thenNext);
    *next = thenNext;
    bool elseReturns = false;
    if (Is(tokens, thenNext, "else")) {
        elseReturns = StatementReturns(tokens, thenNext + 1, end, next);
    }
    if (condition) {
        return *condition != 0 ? thenReturns : elseReturns;
    }
    return thenReturns && elseReturns;
}

bool StatementReturns(const Tokens& tokens, size_t at, size_t end, size_t* next) {
    while (Is(tokens, at, "[")) { // [branch], [unroll(4)] and other attributes
        at = ClosingBracket(tokens, at) + 1;
    }
    if (at >= end) {
        *next = end;
        return false;
    }
    const std::string& word = tokens[at].text;
    if (word == "{") {
        size_t close = std::min(ClosingBracket(tokens, at), end);
        *next = close + 1;
        return BlockReturns(tokens, at + 1, close);
    }
    if (word == "if" && Is(tokens, at + 1, "(")) {
        return IfReturns(tokens, at, end, next);
    }
    if (word == "for" || word == "while" || word == "switch") {
        size_t close = ClosingBracket(tokens, at + 1);
        StatementReturns(tokens, close + 1, end, next);
        return true; // not judged
    }
    if (word == "do") {
        StatementReturns(tokens, at + 1, end, next);
        *next = SimpleStatementEnd(tokens, *next, end); // while (...);
        return true;
    }
    *next = SimpleStatementEnd(tokens, at, end);
    return word == "return" || word == "discard";
}

} // namespace

bool CheckReturnPaths(const std::vector<HlslToken>& tokens, std::string* errors) {
    bool ok = true;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        const HlslToken& name = tokens[function.name];
        if (tokens[function.name - 1].text == "void" ||
            BlockReturns(tokens, function.body + 1, function.end)) {
            continue;
        }
        *errors += SourceError(name, "'" + name.text + "': Not all control paths return a value",
                               "X3507") +
                   "\n";
        ok = false;
    }
    return ok;
}

} // namespace d3dcompiler_standin
