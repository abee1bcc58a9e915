#include "gradient_loop_checks.h"

#include "loop_statements.h"
#include "runtime_values.h"

#include <memory>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A call whose result depends on the derivatives of its operands: an implicit
// level of detail, or a derivative itself.
bool IsGradientCall(const Tokens& tokens, size_t at) {
    if (!IsToken(tokens, at + 1, "(") || tokens[at].kind != HlslToken::Kind::Identifier) {
        return false;
    }
    const std::string& name = tokens[at].text;
    const bool method = at > 0 && IsChar(tokens[at - 1], '.');
    if (method) {
        return name == "Sample" || name == "SampleBias" || name == "SampleCmp" ||
               name == "CalculateLevelOfDetail" || name == "CalculateLevelOfDetailUnclamped";
    }
    return name == "ddx" || name == "ddy" || name == "ddx_coarse" || name == "ddy_coarse" ||
           name == "ddx_fine" || name == "ddy_fine" || name == "fwidth" || name == "tex1D" ||
           name == "tex2D" || name == "tex3D" || name == "texCUBE";
}

// The functions that reach a gradient operation, themselves or through the
// functions they call.
std::set<std::string> GradientFunctions(const Tokens& tokens,
                                        const std::vector<FunctionDefinition>& functions) {
    std::set<std::string> found;
    for (size_t before = 1; before != found.size();) {
        before = found.size();
        for (const FunctionDefinition& function : functions) {
            for (size_t at = function.body; at < function.end && at < tokens.size(); ++at) {
                if (IsGradientCall(tokens, at) ||
                    (IsToken(tokens, at + 1, "(") && found.count(tokens[at].text) != 0)) {
                    found.insert(tokens[function.name].text);
                    break;
                }
            }
        }
    }
    return found;
}

bool HoldsGradient(const Tokens& tokens, size_t begin, size_t end,
                   const std::set<std::string>& gradientFunctions) {
    for (size_t at = begin; at < end && at < tokens.size(); ++at) {
        if (IsGradientCall(tokens, at) ||
            (IsToken(tokens, at + 1, "(") && gradientFunctions.count(tokens[at].text) != 0 &&
             (at == 0 || !IsChar(tokens[at - 1], '.')))) {
            return true;
        }
    }
    return false;
}

// A condition that also compares with a literal ("i < count && i < 8") may
// bound the loop, which the compiler then unrolls.
bool MayHaveLiteralBound(const Tokens& tokens, const LoopParts& loop) {
    for (size_t at = loop.first; at + 1 < loop.end; ++at) {
        if (IsChar(tokens[at], '&') && IsChar(tokens[at + 1], '&')) {
            return true;
        }
    }
    return false;
}

} // namespace

void CheckGradientLoops(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                        const std::set<std::string>& reached, std::string* errors) {
    bool loops = false;
    for (size_t at = 0; at < tokens.size() && !loops; ++at) {
        loops = (tokens[at].text == "for" || tokens[at].text == "while") &&
                IsToken(tokens, at + 1, "(");
    }
    if (!loops) {
        return; // the common shader without loops pays one pass
    }
    const std::set<std::string> gradientFunctions = GradientFunctions(tokens, functions);
    if (gradientFunctions.empty()) {
        return;
    }
    std::unique_ptr<RuntimeValues> runtime;
    for (const FunctionDefinition& function : functions) {
        if (reached.count(tokens[function.name].text) == 0 ||
            gradientFunctions.count(tokens[function.name].text) == 0) {
            continue;
        }
        for (size_t at = function.body; at < function.end && at < tokens.size(); ++at) {
            const LoopParts loop = ReadLoop(tokens, at);
            if (loop.body == 0 || MarkedWith(tokens, at, "unroll") ||
                !HoldsGradient(tokens, loop.body, StatementEnd(tokens, loop.body),
                               gradientFunctions)) {
                continue;
            }
            if (!runtime) {
                runtime = std::make_unique<RuntimeValues>(tokens);
            }
            if (runtime->Reads(loop.first, loop.end) && !MayHaveLiteralBound(tokens, loop)) {
                *errors += SourceError(tokens[at],
                                       "unable to unroll loop, loop does not appear to terminate "
                                       "in a timely manner (1024 iterations) or unrolled loop is "
                                       "too large, use the [unroll(n)] attribute to force an "
                                       "exact higher number",
                                       "X3511") +
                           "\n";
            }
        }
    }
}

} // namespace d3dcompiler_standin
