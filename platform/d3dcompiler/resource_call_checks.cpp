#include "resource_call_checks.h"
#include "object_method_calls.h"

#include <cstring>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The fewest and most arguments a method's overloads take, and the sampler it
// wants first ('S' a SamplerState, 'C' a SamplerComparisonState, 0 none), as
// each method's page on learn.microsoft.com lists them (dx-graphics-hlsl-to-*,
// sm5-object-*; the last overloads add a clamp and a status, and Gather's
// colour forms four offsets).
struct MethodArity {
    const char* name;
    size_t least;
    size_t most;
    char sampler;
};

constexpr MethodArity kMethods[] = {
    {"Sample", 2, 5, 'S'},
    {"SampleBias", 3, 6, 'S'},
    {"SampleGrad", 4, 7, 'S'},
    {"SampleLevel", 3, 5, 'S'},
    {"SampleCmp", 3, 6, 'C'},
    {"SampleCmpLevelZero", 3, 5, 'C'},
    {"Gather", 2, 4, 'S'},
    {"GatherRed", 2, 7, 'S'},
    {"GatherGreen", 2, 7, 'S'},
    {"GatherBlue", 2, 7, 'S'},
    {"GatherAlpha", 2, 7, 'S'},
    {"GatherCmp", 3, 5, 'C'},
    {"GatherCmpRed", 3, 8, 'C'},
    {"GatherCmpGreen", 3, 8, 'C'},
    {"GatherCmpBlue", 3, 8, 'C'},
    {"GatherCmpAlpha", 3, 8, 'C'},
    {"CalculateLevelOfDetail", 2, 2, 'S'},
    {"CalculateLevelOfDetailUnclamped", 2, 2, 'S'},
    {"Append", 1, 1, 0},
    {"Consume", 0, 0, 0},
    {"IncrementCounter", 0, 0, 0},
    {"DecrementCounter", 0, 0, 0},
    {"GetSamplePosition", 1, 1, 0},
    {"Load2", 1, 2, 0},
    {"Load3", 1, 2, 0},
    {"Load4", 1, 2, 0},
    {"Store", 2, 2, 0},
    {"Store2", 2, 2, 0},
    {"Store3", 2, 2, 0},
    {"Store4", 2, 2, 0},
    // RWByteAddressBuffer's atomics (sm5-object-rwbyteaddressbuffer-interlocked*):
    // an address, the operands, and the original value, which Exchange and
    // CompareExchange require.
    {"InterlockedAdd", 2, 3, 0},
    {"InterlockedAnd", 2, 3, 0},
    {"InterlockedOr", 2, 3, 0},
    {"InterlockedXor", 2, 3, 0},
    {"InterlockedMax", 2, 3, 0},
    {"InterlockedMin", 2, 3, 0},
    {"InterlockedExchange", 3, 3, 0},
    {"InterlockedCompareExchange", 4, 4, 0},
    {"InterlockedCompareStore", 3, 3, 0},
};

// GetDimensions' argument counts per object: the outputs alone, and a mip
// level with the level count added where the object has mips
// (dx-graphics-hlsl-to-getdimensions).
struct DimensionArity {
    const char* kind;
    size_t outputs;
    bool mips;
};

constexpr DimensionArity kDimensions[] = {
    {"Texture1D", 1, true},
    {"Texture1DArray", 2, true},
    {"Texture2D", 2, true},
    {"Texture2DArray", 3, true},
    {"Texture3D", 3, true},
    {"TextureCube", 2, true},
    {"TextureCubeArray", 3, true},
    {"Texture2DMS", 3, false},
    {"Texture2DMSArray", 4, false},
    {"Buffer", 1, false},
    {"RWBuffer", 1, false},
    {"RWTexture1D", 1, false},
    {"RWTexture1DArray", 2, false},
    {"RWTexture2D", 2, false},
    {"RWTexture2DArray", 3, false},
    {"RWTexture3D", 3, false},
    {"StructuredBuffer", 2, false},
    {"RWStructuredBuffer", 2, false},
    {"AppendStructuredBuffer", 2, false},
    {"ConsumeStructuredBuffer", 2, false},
    {"ByteAddressBuffer", 1, false},
    {"RWByteAddressBuffer", 1, false},
};

const MethodArity* MethodNamed(const std::string& name) {
    for (const MethodArity& method : kMethods) {
        if (name == method.name) {
            return &method;
        }
    }
    return nullptr;
}

// Whether a call of GetDimensions or Load with `count` arguments matches an
// overload of `kind`; true where the kind is not known here.
bool KindTakes(const std::string& kind, const std::string& method, size_t count) {
    if (method == "GetDimensions") {
        for (const DimensionArity& dimensions : kDimensions) {
            if (kind == dimensions.kind) {
                return count == dimensions.outputs ||
                       (dimensions.mips && count == dimensions.outputs + 2);
            }
        }
        return true;
    }
    // Load: a location, then an offset where textures take one, then a status;
    // a multisampled texture's sample index after the location.
    if (kind.rfind("Texture2DMS", 0) == 0) {
        return count >= 2 && count <= 4;
    }
    if (kind.rfind("Texture", 0) == 0) {
        return count >= 1 && count <= 3;
    }
    return count >= 1 && count <= 2;
}

// 'S' for a plain sampler, 'C' a comparison sampler, 'R' another object.
char SamplerClass(const std::string& kind) {
    if (kind == "SamplerComparisonState") {
        return 'C';
    }
    return kind == "SamplerState" || kind.rfind("sampler", 0) == 0 ? 'S' : 'R';
}

// Whether the first argument, a declared object, is of another kind than the
// method's sampler ('S' methods are judged only for objects that are no sampler).
bool WrongSampler(const Tokens& tokens, std::pair<size_t, size_t> argument, char wanted,
                  const std::map<std::string, DeclaredObject>& objects) {
    if (wanted == 0 || argument.first >= argument.second ||
        tokens[argument.first].kind != HlslToken::Kind::Identifier) {
        return false;
    }
    const auto found = objects.find(tokens[argument.first].text);
    if (found == objects.end()) {
        return false;
    }
    const char given = SamplerClass(found->second.kind);
    return wanted == 'S' ? given == 'R' : given != 'C';
}

// An Interlocked intrinsic whose destination is an element of a read-only
// object (a StructuredBuffer, a Buffer, a texture): the destination is written,
// as an assignment to that element would write it.
bool ReadOnlyDestination(const Tokens& tokens, size_t at,
                         const std::map<std::string, DeclaredObject>& objects) {
    if (!IsChar(tokens[at + 1], '(') || (at > 0 && IsChar(tokens[at - 1], '.')) ||
        !IsIdentifier(tokens, at + 2) || !IsToken(tokens, at + 3, "[")) {
        return false;
    }
    const auto found = objects.find(tokens[at + 2].text);
    return found != objects.end() && found->second.kind.rfind("RW", 0) != 0 &&
           SamplerClass(found->second.kind) == 'R';
}

bool IsMethodOfInterest(const std::string& name, size_t) {
    return name == "GetDimensions" || name == "Load" || MethodNamed(name) != nullptr;
}

// Whether a call with `arguments` matches one of the method's overloads on its object.
bool MatchesOverload(const Tokens& tokens, const ObjectMethodCall& call,
                     const std::map<std::string, DeclaredObject>& objects) {
    const std::string& name = tokens[call.method].text;
    const auto& arguments = call.arguments;
    const MethodArity* method = MethodNamed(name);
    if (method == nullptr) {
        return KindTakes(call.object->kind, name, arguments.size());
    }
    return arguments.size() >= method->least && arguments.size() <= method->most &&
           (arguments.empty() || !WrongSampler(tokens, arguments[0], method->sampler, objects));
}

} // namespace

void CheckResourceCalls(const Tokens& tokens, std::string* errors) {
    ObjectMethodCalls calls(tokens);
    std::map<size_t, std::string> found; // by token, so that they read in the source's order
    for (size_t at = 2; at + 3 < tokens.size(); ++at) {
        if (tokens[at].text[0] == 'I' && tokens[at].text.rfind("Interlocked", 0) == 0 &&
            ReadOnlyDestination(tokens, at, calls.Objects())) {
            found[at] = SourceError(tokens[at + 2], "l-value specifies const object", "X3025");
        }
    }
    calls.ForEach(IsMethodOfInterest, [&](const ObjectMethodCall& call) {
        if (!call.indexed && !call.object->array && call.method + 3 < tokens.size() &&
            !MatchesOverload(tokens, call, calls.Objects())) {
            found[call.method] = SourceError(tokens[call.method],
                                             "'" + tokens[call.method].text + "': no matching " +
                                                 std::to_string(call.arguments.size()) +
                                                 " parameter intrinsic method",
                                             "X3013");
        }
    });
    for (const auto& [at, error] : found) {
        *errors += error + "\n";
    }
}

} // namespace d3dcompiler_standin
