#include "call_messages.h"

#include "identifier_chars.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace d3dcompiler_standin {

bool IsIntrinsicFunction(const std::string& name) {
    // A constant list, searched in place: nothing is built per compile.
    // clang-format off
    static constexpr std::string_view kNames[] = {
        "abs", "acos", "all", "AllMemoryBarrier", "AllMemoryBarrierWithGroupSync", "any",
        "asdouble", "asfloat", "asin", "asint", "asuint", "atan", "atan2", "ceil", "clamp", "clip",
        "cos", "cosh", "countbits", "cross", "D3DCOLORtoUBYTE4", "ddx", "ddx_coarse", "ddx_fine",
        "ddy", "ddy_coarse", "ddy_fine", "degrees", "determinant", "DeviceMemoryBarrier",
        "DeviceMemoryBarrierWithGroupSync", "distance", "dot", "dst",
        "EvaluateAttributeAtCentroid", "EvaluateAttributeAtSample", "EvaluateAttributeSnapped",
        "exp", "exp2", "f16tof32", "f32tof16", "faceforward", "firstbithigh", "firstbitlow",
        "floor", "fma", "fmod", "frac", "frexp", "fwidth", "GroupMemoryBarrier",
        "GroupMemoryBarrierWithGroupSync", "InterlockedAdd", "InterlockedAnd",
        "InterlockedCompareExchange", "InterlockedCompareStore", "InterlockedExchange",
        "InterlockedMax", "InterlockedMin", "InterlockedOr", "InterlockedXor", "isfinite", "isinf",
        "isnan", "ldexp", "length", "lerp", "lit", "log", "log10", "log2", "mad", "max", "min",
        "modf", "msad4", "mul", "normalize", "pow", "radians", "rcp", "reflect", "refract",
        "reversebits", "round", "rsqrt", "saturate", "sign", "sin", "sincos", "sinh", "smoothstep",
        "sqrt", "step", "tan", "tanh", "transpose", "trunc"};
    // clang-format on
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

namespace {

// Where `name` stands whole in `source` followed by '(' (after a '.' for a
// method): the '(''s position, or npos.
size_t CallOpening(const std::string& source, const std::string& name, bool method) {
    for (size_t at = source.find(name); at != std::string::npos; at = source.find(name, at + 1)) {
        const size_t after = at + name.size();
        if ((at > 0 && IsIdentifierPart(source[at - 1])) ||
            (after < source.size() && IsIdentifierPart(source[after]))) {
            continue;
        }
        size_t before = at;
        while (before > 0 && (source[before - 1] == ' ' || source[before - 1] == '\t')) {
            --before;
        }
        if (method != (before > 0 && source[before - 1] == '.')) {
            continue;
        }
        size_t open = after;
        while (open < source.size() && (source[open] == ' ' || source[open] == '\t')) {
            ++open;
        }
        if (open < source.size() && source[open] == '(') {
            return open;
        }
    }
    return std::string::npos;
}

// Arguments between the '(' at `open` and its ')'; -1 when it does not close.
int CountArguments(const std::string& source, size_t open) {
    int depth = 0;
    int commas = 0;
    bool empty = true;
    for (size_t at = open; at < source.size(); ++at) {
        const char c = source[at];
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if (c == ')' || c == ']' || c == '}') {
            if (--depth == 0) {
                return empty ? 0 : commas + 1;
            }
        } else if (c == ',' && depth == 1) {
            ++commas;
        }
        if (at > open && depth >= 1 && c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            empty = false;
        }
    }
    return -1;
}

} // namespace

std::string NoMatchingIntrinsicMessage(const std::string& name, const std::string& source) {
    const std::string kMethodPrefix = "__BI_";
    const bool method = name.rfind(kMethodPrefix, 0) == 0;
    const std::string called = method ? name.substr(kMethodPrefix.size()) : name;
    if (!method && !IsIntrinsicFunction(called)) {
        return "";
    }
    const size_t open = CallOpening(source, called, method);
    const int arguments = open == std::string::npos ? -1 : CountArguments(source, open);
    if (arguments < 0) {
        return "";
    }
    return "error X3013: '" + called + "': no matching " + std::to_string(arguments) +
           " parameter intrinsic " + (method ? "method" : "function");
}

} // namespace d3dcompiler_standin
