#include "uav_condition_checks.h"

#include "assignment_operators.h"
#include "loop_statements.h"
#include "memory_names.h"

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
std::set<std::string> UavValues(const Tokens& tokens, const std::set<std::string>& uavs,
                                size_t begin, size_t end) {
    std::set<std::string> names = uavs;
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

} // namespace

void CheckUavLoopConditions(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                            const std::set<std::string>& reached, std::string* errors) {
    const std::set<std::string> uavs = UnorderedAccessNames(tokens);
    for (size_t f = 0; f < functions.size() && !uavs.empty(); ++f) {
        const FunctionDefinition& function = functions[f];
        if (reached.count(tokens[function.name].text) == 0) {
            continue;
        }
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body; at < end; ++at) {
            const LoopParts loop = ReadLoop(tokens, at);
            if (loop.body == 0 || MarkedWith(tokens, at, "allow_uav_condition") ||
                MarkedWith(tokens, at, "unroll")) {
                continue;
            }
            // What the loop's condition reads is assigned before the loop ends.
            const std::set<std::string> values =
                UavValues(tokens, uavs, function.body, StatementEnd(tokens, loop.body));
            if (ReadsAny(tokens, loop.first, loop.end, values)) {
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
