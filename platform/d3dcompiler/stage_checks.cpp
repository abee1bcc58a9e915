#include "stage_checks.h"

#include "barrier_flow_checks.h"
#include "gradient_loop_checks.h"
#include "uav_condition_checks.h"
#include "constant_expressions.h"
#include "function_scan.h"
#include "numeric_type_names.h"
#include "signature_checks.h"
#include "stage_attribute_checks.h"
#include "stage_shape_checks.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::string Profile(const ShaderTarget& target) {
    return std::string(1, target.stage) + "s_" + std::to_string(target.major) + "_" +
           std::to_string(target.minor);
}

// Operations that take derivatives of their operands across a pixel quad.
bool NeedsDerivatives(const Tokens& tokens, size_t at) {
    static const std::set<std::string> kMethods = {"Sample", "SampleBias", "SampleCmp",
                                                   "CalculateLevelOfDetail",
                                                   "CalculateLevelOfDetailUnclamped"};
    static const std::set<std::string> kIntrinsics = {
        "ddx", "ddy", "ddx_coarse", "ddx_fine", "ddy_coarse", "ddy_fine", "fwidth"};
    if (!IsToken(tokens, at + 1, "(")) {
        return false;
    }
    const bool method = at > 0 && tokens[at - 1].text == ".";
    return method ? kMethods.count(tokens[at].text) != 0 : kIntrinsics.count(tokens[at].text) != 0;
}

// What the stage has no instruction for: derivatives, clip, discard and the
// attribute evaluations outside a pixel shader, noise anywhere, the barriers that sync
// a thread group outside a compute shader, and memory barriers in a vertex
// shader (Microsoft's pages on each list the stages).
bool UnavailableInStage(const Tokens& tokens, size_t at, char stage) {
    if (stage != 'p' && NeedsDerivatives(tokens, at)) {
        return true;
    }
    const std::string& name = tokens[at].text;
    if (stage != 'p' && name == "discard" && tokens[at].kind == HlslToken::Kind::Identifier) {
        return true; // a pixel shader statement (its page)
    }
    if (!name.empty() && (name[0] == 'c' || name[0] == 'E' || name[0] == 'n') &&
        IsToken(tokens, at + 1, "(") && (at == 0 || tokens[at - 1].text != ".")) {
        // noise runs only in texture shaders; clip and the attribute
        // evaluations only in a pixel shader.
        if (name == "noise" ||
            (stage != 'p' && (name == "clip" || name.rfind("EvaluateAttribute", 0) == 0))) {
            return true;
        }
    }
    if (stage == 'c' || name.find("MemoryBarrier") == std::string::npos ||
        !IsToken(tokens, at + 1, "(") || (at > 0 && tokens[at - 1].text == ".")) {
        return false;
    }
    const bool memoryOnly = name == "AllMemoryBarrier" || name == "DeviceMemoryBarrier";
    const bool groupSync =
        name == "GroupMemoryBarrier" || name == "GroupMemoryBarrierWithGroupSync" ||
        name == "AllMemoryBarrierWithGroupSync" || name == "DeviceMemoryBarrierWithGroupSync";
    return groupSync || (memoryOnly && stage != 'p'); // pixel and compute shaders only
}

// fxc cannot map such an expression to the stage's instructions.
void CheckStageIntrinsics(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                          const std::set<std::string>& reached, const ShaderTarget& target,
                          std::string* errors) {
    for (const FunctionDefinition& function : functions) {
        if (reached.count(tokens[function.name].text) == 0) {
            continue;
        }
        for (size_t at = function.body; at < function.end && at < tokens.size(); ++at) {
            if (UnavailableInStage(tokens, at, target.stage)) {
                *errors +=
                    SourceError(tokens[at],
                                "cannot map expression to " + Profile(target) + " instruction set",
                                "X4532") +
                    "\n";
                return;
            }
        }
    }
}

// The constant arguments of "[numthreads(x, y, z)]" in front of `function`.
std::vector<std::optional<int64_t>>
ThreadGroupSize(const Tokens& tokens, const FunctionDefinition& function, const HlslToken** at) {
    for (size_t open = function.name;
         open-- > 1 && tokens[open].text != ";" && tokens[open].text != "}";) {
        if (strcasecmp(tokens[open].text.c_str(), "numthreads") != 0 ||
            tokens[open - 1].text != "[" || !IsToken(tokens, open + 1, "(")) {
            continue;
        }
        *at = &tokens[open];
        std::vector<std::optional<int64_t>> size;
        const size_t close = ClosingBracket(tokens, open + 1);
        size_t begin = open + 2;
        for (size_t i = begin; i <= close && i < tokens.size(); ++i) {
            if (i == close || tokens[i].text == ",") {
                size.push_back(EvaluateIntegerConstant(tokens, begin, i));
                begin = i + 1;
            } else if (tokens[i].text == "(") {
                i = ClosingBracket(tokens, i);
            }
        }
        return size;
    }
    return {};
}

// cs_5_0: 1 to 1024 threads along x and y, 1 to 64 along z, 1024 in all.
void CheckThreadGroupSize(const Tokens& tokens, const FunctionDefinition& entry,
                          std::string* errors) {
    const HlslToken* at = nullptr;
    const std::vector<std::optional<int64_t>> size = ThreadGroupSize(tokens, entry, &at);
    if (size.size() != 3 || !size[0] || !size[1] || !size[2]) {
        return;
    }
    const int64_t x = *size[0], y = *size[1], z = *size[2];
    const bool inRange = x >= 1 && y >= 1 && z >= 1 && x <= 1024 && y <= 1024 && z <= 64;
    if (inRange && x * y * z <= 1024) {
        return;
    }
    *errors += SourceError(*at, "thread group size (" + std::to_string(x) + ", " +
                                    std::to_string(y) + ", " + std::to_string(z) +
                                    ") is out of cs_5_0's range: 1 to 1024 threads along x and "
                                    "y, 1 to 64 along z, at most 1024 in all") +
               "\n";
}

// Bytes of one groupshared declaration "groupshared float4 name[64]" from its
// type at `type`; nothing where the type or a dimension is not a plain constant.
std::optional<int64_t> GroupSharedBytes(const Tokens& tokens, size_t type, std::string* name) {
    NumericTypeName parsed;
    if (!IsIdentifier(tokens, type) || !ReadNumericTypeName(tokens[type].text, &parsed) ||
        !IsIdentifier(tokens, type + 1)) {
        return std::nullopt;
    }
    *name = tokens[type + 1].text;
    int64_t bytes = 4 * std::max(parsed.size, 1) * std::max(parsed.columns, 1);
    for (size_t at = type + 2; IsToken(tokens, at, "["); at = ClosingBracket(tokens, at) + 1) {
        const std::optional<int64_t> count =
            EvaluateIntegerConstant(tokens, at + 1, ClosingBracket(tokens, at));
        if (!count || *count < 0 || *count > (int64_t(1) << 32)) {
            return std::nullopt;
        }
        bytes *= *count;
    }
    return bytes;
}

// cs_5_0 gives a thread group 32 KB of shared memory; the variables the entry
// point uses must fit.
void CheckGroupSharedSize(const Tokens& tokens, const std::set<std::string>& reached,
                          std::string* errors) {
    constexpr int64_t kLimit = 32768;
    int64_t total = 0;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        std::string name;
        if (tokens[at].text != "groupshared") {
            continue;
        }
        const std::optional<int64_t> bytes = GroupSharedBytes(tokens, at + 1, &name);
        if (!bytes || reached.count(name) == 0) {
            continue;
        }
        total += *bytes;
        if (total > kLimit) {
            *errors +=
                SourceError(tokens[at + 2], "groupshared memory of " + std::to_string(total) +
                                                " bytes exceeds cs_5_0's 32768 bytes") +
                "\n";
            return;
        }
    }
}

// Thread-group shared memory exists only for a compute shader's thread group
// (Microsoft's variable syntax page: "thread-group-shared memory for compute
// shaders"); another stage's entry point may declare such a variable but not
// use it.
void CheckGroupSharedOutsideCompute(const Tokens& tokens, const std::set<std::string>& reached,
                                    std::string* errors) {
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text.empty() || text[0] != 'g' || text != "groupshared") {
            continue;
        }
        size_t name = at + 1;
        while (IsIdentifier(tokens, name + 1)) {
            ++name; // past modifiers and the type to the declared name
        }
        if (IsIdentifier(tokens, name) && reached.count(tokens[name].text) != 0) {
            *errors += SourceError(tokens[name], "'" + tokens[name].text +
                                                     "': groupshared variables are only "
                                                     "supported in compute shaders") +
                       "\n";
            return;
        }
    }
}

// Number of arguments of the call whose '(' is at `open`.
size_t ArgumentCount(const Tokens& tokens, size_t open) {
    const size_t close = ClosingBracket(tokens, open);
    if (close >= tokens.size() || close == open + 1) {
        return 0;
    }
    size_t count = 1;
    for (size_t at = open + 1; at < close; ++at) {
        if (tokens[at].text == "(" || tokens[at].text == "[" || tokens[at].text == "{") {
            at = ClosingBracket(tokens, at);
        } else if (tokens[at].text == ",") {
            ++count;
        }
    }
    return count;
}

// The definitions each function calls, where its name and argument count
// pick one definition (overloads of one count are left out).
std::vector<std::vector<size_t>> CallGraph(const Tokens& tokens,
                                           const std::vector<FunctionDefinition>& functions) {
    std::multimap<std::pair<std::string, size_t>, size_t> byNameAndCount;
    for (size_t i = 0; i < functions.size(); ++i) {
        byNameAndCount.insert(
            {{tokens[functions[i].name].text, Parameters(tokens, functions[i]).size()}, i});
    }
    std::vector<std::vector<size_t>> calls(functions.size());
    for (size_t caller = 0; caller < functions.size(); ++caller) {
        const FunctionDefinition& function = functions[caller];
        for (size_t at = function.body; at < function.end && at < tokens.size(); ++at) {
            if (!IsIdentifier(tokens, at) || !IsToken(tokens, at + 1, "(") ||
                tokens[at - 1].text == ".") {
                continue;
            }
            const auto key = std::make_pair(tokens[at].text, ArgumentCount(tokens, at + 1));
            if (byNameAndCount.count(key) == 1) {
                calls[caller].push_back(byNameAndCount.find(key)->second);
            }
        }
    }
    return calls;
}

// The first function that the calls from `from` enter a second time, or nothing.
std::optional<size_t> FindCycle(const std::vector<std::vector<size_t>>& calls, size_t from,
                                std::vector<int>* state) {
    (*state)[from] = 1; // on the current path
    for (size_t callee : calls[from]) {
        if ((*state)[callee] == 1) {
            return callee;
        }
        if ((*state)[callee] == 0) {
            if (std::optional<size_t> found = FindCycle(calls, callee, state)) {
                return found;
            }
        }
    }
    (*state)[from] = 2; // done
    return std::nullopt;
}

// HLSL inlines every call, so no function the entry point reaches may call
// itself, directly or not.
void CheckRecursion(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                    size_t entry, const ShaderTarget& target, std::string* errors) {
    const std::vector<std::vector<size_t>> calls = CallGraph(tokens, functions);
    std::vector<int> state(functions.size(), 0);
    if (std::optional<size_t> recursive = FindCycle(calls, entry, &state)) {
        const HlslToken& name = tokens[functions[*recursive].name];
        *errors += SourceError(name,
                               "'" + name.text + "': recursive functions not allowed in " +
                                   Profile(target),
                               "X3500") +
                   "\n";
    }
}

} // namespace

bool CheckStage(const Tokens& tokens, const std::string& entryPoint, const ShaderTarget& target,
                std::string* errors) {
    const std::vector<FunctionDefinition> functions = FindFunctionDefinitions(tokens);
    const size_t before = errors->size();
    for (size_t entry = 0; entry < functions.size(); ++entry) {
        const FunctionDefinition& function = functions[entry];
        if (tokens[function.name].text != entryPoint) {
            continue;
        }
        CheckRecursion(tokens, functions, entry, target, errors);
        CheckEntrySignature(tokens, function, target, errors);
        std::set<std::string> reached = NamesReached(tokens, functions, function);
        reached.insert(entryPoint);
        CheckStageIntrinsics(tokens, functions, reached, target, errors);
        CheckStageAttributes(tokens, functions, function, target.stage, errors);
        CheckStageShapes(tokens, function, target.stage, errors);
        if (target.stage == 'c' && target.major == 5) {
            CheckThreadGroupSize(tokens, function, errors);
            CheckGroupSharedSize(tokens, reached, errors);
            CheckBarrierFlow(tokens, functions, entry, errors);
            CheckUavLoopConditions(tokens, functions, reached, errors);
        } else if (target.stage != 'c') {
            CheckGroupSharedOutsideCompute(tokens, reached, errors);
        }
        if (target.stage == 'p') {
            CheckGradientLoops(tokens, functions, reached, errors);
        }
        break;
    }
    return errors->size() == before;
}

} // namespace d3dcompiler_standin
