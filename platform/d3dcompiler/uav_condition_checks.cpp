#include "uav_condition_checks.h"

#include "assignment_operators.h"
#include "memory_names.h"

#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool ReadsAny(const Tokens& tokens, size_t begin, size_t end, const std::set<std::string>& names) {
    for (size_t at = begin; at < end && at < tokens.size(); ++at) {
        if (tokens[at].kind == HlslToken::Kind::Identifier &&
            (at == 0 || !IsChar(tokens[at - 1], '.')) && names.count(tokens[at].text) != 0) {
            return true;
        }
    }
    return false;
}

// The UAVs and the names assigned a value read from one, or from such a name,
// anywhere in [begin, end).
std::set<std::string> UavValues(const Tokens& tokens, size_t begin, size_t end) {
    std::set<std::string> names = UnorderedAccessNames(tokens);
    for (size_t before = 0; before != names.size();) {
        before = names.size();
        for (size_t at = begin; at + 1 < end; ++at) {
            const size_t value = IsIdentifier(tokens, at) ? AssignedValue(tokens, at + 1) : 0;
            if (value != 0 && ReadsAny(tokens, value, ValueEnd(tokens, value, end), names)) {
                names.insert(tokens[at].text);
            }
        }
    }
    return names;
}

// Whether the attributes in front of the loop keyword at `at` name `wanted`
// ("[allow_uav_condition]", "[unroll(4)]"), in any case.
bool MarkedWith(const Tokens& tokens, size_t at, const char* wanted) {
    while (at >= 2 && IsChar(tokens[at - 1], ']')) {
        const size_t open = OpeningBracket(tokens, at - 1);
        if (open + 1 < at && strcasecmp(tokens[open + 1].text.c_str(), wanted) == 0) {
            return true;
        }
        at = open;
    }
    return false;
}

// A while that ends a do statement: "} while (...)" after "do {".
bool EndsDo(const Tokens& tokens, size_t at) {
    if (at == 0 || !IsChar(tokens[at - 1], '}')) {
        return false;
    }
    const size_t open = OpeningBracket(tokens, at - 1);
    return open > 0 && tokens[open - 1].text == "do";
}

// The condition of the loop whose keyword is at `at`: [first, end); empty for
// other statements.
std::pair<size_t, size_t> LoopCondition(const Tokens& tokens, size_t at) {
    if (!IsToken(tokens, at + 1, "(") || (tokens[at].text != "for" && tokens[at].text != "while") ||
        (tokens[at].text == "while" && EndsDo(tokens, at))) {
        return {0, 0};
    }
    const size_t close = ClosingBracket(tokens, at + 1);
    if (tokens[at].text == "while") {
        return {at + 2, close};
    }
    size_t first = at + 2;
    while (first < close && !IsChar(tokens[first], ';')) {
        first = IsToken(tokens, first, "(") ? ClosingBracket(tokens, first) + 1 : first + 1;
    }
    size_t end = first + 1;
    while (end < close && !IsChar(tokens[end], ';')) {
        end = IsToken(tokens, end, "(") ? ClosingBracket(tokens, end) + 1 : end + 1;
    }
    return {first + 1, std::min(end, close)};
}

} // namespace

void CheckUavLoopConditions(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                            const std::set<std::string>& reached, std::string* errors) {
    for (const FunctionDefinition& function : functions) {
        if (reached.count(tokens[function.name].text) == 0) {
            continue;
        }
        const size_t end = std::min(function.end, tokens.size());
        std::set<std::string> values;
        bool read = false;
        for (size_t at = function.body; at < end; ++at) {
            const auto [first, last] = LoopCondition(tokens, at);
            if (first == last || MarkedWith(tokens, at, "allow_uav_condition") ||
                MarkedWith(tokens, at, "unroll")) {
                continue;
            }
            if (!read) {
                values = UavValues(tokens, function.body, end);
                read = true;
            }
            if (ReadsAny(tokens, first, last, values)) {
                *errors += SourceError(tokens[at],
                                       "loop termination conditions in varying flow control "
                                       "cannot depend on data read from a UAV",
                                       "X3671") +
                           "\n";
            }
        }
    }
}

} // namespace d3dcompiler_standin
