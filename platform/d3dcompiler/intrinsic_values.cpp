#include "intrinsic_values.h"
#include "expression_types.h"
#include "value_rewrites.h"

#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// msad4 as the msad instruction computes it: for each offset i of the source
// window, the sum of |reference byte - source byte| over the reference bytes
// that are not 0, added to accum[i].
constexpr char kMsad4[] =
    "#ifndef standin_msad4_defined\n#define standin_msad4_defined\n"
    "uint4 standin_msad4(uint reference, uint2 source, uint4 accum) { uint4 sums = accum; "
    "[unroll] for (uint i = 0; i < 4; ++i) { uint window = i == 0 ? source.x : "
    "(source.x >> (8 * i)) | (source.y << (32 - 8 * i)); "
    "[unroll] for (uint j = 0; j < 4; ++j) { uint r = (reference >> (8 * j)) & 0xFF; "
    "uint s = (window >> (8 * j)) & 0xFF; sums[i] += r == 0 ? 0 : (r > s ? r - s : s - r); } } "
    "return sums; }\n#endif\n#line 1\n";

// f32tof16 by Direct3D's conversion rules: toward zero, so a finite value
// past the half's range gives the largest half and never INF, and a value in
// the half's denormal range keeps the denormals' 2^-24 steps. The value is
// cut to what the half holds first, so that the conversion itself is exact.
constexpr char kF32ToF16[] =
    "#ifndef standin_f32tof16_defined\n#define standin_f32tof16_defined\n"
    "uint standin_f32tof16(float x) { if (isnan(x) || isinf(x)) { return f32tof16(x); } "
    "float m = min(abs(x), 65504.0); float cut = m < 6.103515625e-05 ? "
    "trunc(m * 16777216.0) * 5.9604644775390625e-08 : asfloat(asuint(m) & 0xFFFFE000u); "
    "return f32tof16(asfloat(asuint(cut) | (asuint(x) & 0x80000000u))); }\n"
    "uint2 standin_f32tof16(float2 v) { return uint2(standin_f32tof16(v.x), "
    "standin_f32tof16(v.y)); }\n"
    "uint3 standin_f32tof16(float3 v) { return uint3(standin_f32tof16(v.xy), "
    "standin_f32tof16(v.z)); }\n"
    "uint4 standin_f32tof16(float4 v) { return uint4(standin_f32tof16(v.xy), "
    "standin_f32tof16(v.zw)); }\n#endif\n#line 1\n";

bool IsFloatBase(const std::string& base) {
    return base == "float" || base == "half" || base == "min16float" || base == "min10float" ||
           base == "double";
}

// sign of a float scalar or vector is an int one on Windows; glslang gives
// the float sign. Each such call is cast to the int type of its shape.
void SignAsInteger(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::vector<size_t> calls;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "sign" || tokens[at + 1].text != "(" ||
            (at > 0 && tokens[at - 1].text == ".")) {
            continue;
        }
        if (at > 0 && IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return") {
            return; // the source's own sign
        }
        calls.push_back(at);
    }
    LazyExpressionTypes types(tokens);
    for (size_t at : calls) {
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close >= tokens.size()) {
            continue;
        }
        const std::optional<ExpressionType> type = types->TypeOf(at + 2, close);
        if (!type || type->IsArray() || type->structure || type->columns > 0 ||
            !IsFloatBase(type->base)) {
            continue;
        }
        const std::string integer = "int" + (type->rows > 0 ? std::to_string(type->rows) : "");
        edits->push_back({tokens[at].offset, 0, "((" + integer + ")"});
        edits->push_back({tokens[close].offset + 1, 0, ")"});
    }
}

} // namespace

void RewriteIntrinsicValues(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    DocumentedIntrinsic(tokens, "msad4", kMsad4, "standin_msad4", edits);
    DocumentedIntrinsic(tokens, "f32tof16", kF32ToF16, "standin_f32tof16", edits);
    SignAsInteger(tokens, edits);
}

} // namespace d3dcompiler_standin
