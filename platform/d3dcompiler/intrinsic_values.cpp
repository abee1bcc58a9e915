#include "intrinsic_values.h"
#include "asuint_double_markers.h"
#include "call_shapes.h"
#include "expression_types.h"
#include "value_rewrites.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

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

// The part of asuint(double, out uint, out uint) that reads the bits of a
// number: the exponent is found by scaling by 2^512, 2^256, ... 2^1 into
// [1, 2); a denormal keeps exponent 0 and its mantissa is read at 2^1074.
constexpr char kAsuintDoubleNumbers[] =
    "if (a == 0.0L) { high = sign; return; } "
    "if (a > 1.7976931348623157e308L) { high = sign | 0x7FF00000u; return; } "
    "double steps[10] = {1.3407807929942597e154L, 1.1579208923731620e77L, "
    "3.4028236692093846e38L, 1.8446744073709552e19L, 4294967296.0L, 65536.0L, 256.0L, 16.0L, "
    "4.0L, 2.0L}; int e = 0; "
    "[unroll] for (int i = 0; i < 10; ++i) { int k = 512 >> i; "
    "if (a >= steps[i]) { a /= steps[i]; e += k; } "
    "if (a * steps[i] < 2.0L && e - k >= -1022) { a *= steps[i]; e -= k; } } "
    "bool denormal = a < 1.0L; double top = (denormal ? a : a - 1.0L) * 1048576.0L; "
    "uint topBits = (uint)top; low = (uint)((top - (double)topBits) * 4294967296.0L); "
    "high = sign | ((denormal ? 0u : uint(e + 1023)) << 20) | topBits; }\n#endif\n#line 1\n";

// asuint(double, out uint low, out uint high), which glslang lacks: the
// bits of a number found by its arithmetic, those of a NaN in the SPIR-V
// (asuint_double_markers.h).
std::string AsuintDoubleDefinition() {
    return std::string(
               "#ifndef standin_asuint_double_defined\n"
               "#define standin_asuint_double_defined\n"
               "void standin_asuint_double(double d, out uint low, out uint high) { "
               "uint sign = (d < 0.0L || (d == 0.0L && 1.0L / d < 0.0L)) ? 0x80000000u : 0u; "
               "double a = abs(d); low = 0u; "
               "if (a != a) { low = asuint((float)d) ^ ") +
           std::to_string(kAsuintDoubleLowMarker) + "u; high = asuint((float)d) ^ " +
           std::to_string(kAsuintDoubleHighMarker) + "u; return; } " + kAsuintDoubleNumbers;
}

// fma of doubles rounded once, as Windows' dfma: the product split exactly
// into a double and its error (Veltkamp's split, 2^27 + 1), the sum with c
// and its error (Knuth's two-sum), then the errors added last. `precise`
// keeps each step from being contracted or reordered. Values past 2^995,
// INF and NaN take the plain sum of the product.
constexpr char kFma[] =
    "#ifndef standin_fma_defined\n#define standin_fma_defined\n"
    "double standin_fma(double a, double b, double c) { precise double p = a * b; "
    "if (!(abs(a) < 1.0e290L && abs(b) < 1.0e290L && abs(p) < 1.0e290L && abs(c) < 1.0e290L)) "
    "{ return p + c; } "
    "precise double ta = 134217729.0L * a; precise double ah = ta - (ta - a); "
    "precise double al = a - ah; precise double tb = 134217729.0L * b; "
    "precise double bh = tb - (tb - b); precise double bl = b - bh; "
    "precise double e = ((ah * bh - p) + ah * bl + al * bh) + al * bl; "
    "precise double s = p + c; precise double v = s - p; "
    "precise double r = (p - (s - v)) + (c - v); return s + (r + e); }\n"
    "double2 standin_fma(double2 a, double2 b, double2 c) { return double2(standin_fma(a.x, "
    "b.x, c.x), standin_fma(a.y, b.y, c.y)); }\n"
    "double3 standin_fma(double3 a, double3 b, double3 c) { return double3(standin_fma(a.xy, "
    "b.xy, c.xy), standin_fma(a.z, b.z, c.z)); }\n"
    "double4 standin_fma(double4 a, double4 b, double4 c) { return double4(standin_fma(a.xy, "
    "b.xy, c.xy), standin_fma(a.zw, b.zw, c.zw)); }\n#endif\n#line 1\n";

// min and max of doubles, which glslang computes in float (its tables give
// them float and int overloads only), as Windows' dmin and dmax compute
// them: src0 < src1 ? src0 : src1 and src0 >= src1 ? src0 : src1, and where
// one operand is NaN the other.
constexpr char kDoubleMinMax[] =
    "#ifndef standin_dminmax_defined\n#define standin_dminmax_defined\n"
    "double standin_dmin(double a, double b) { return (a < b || b != b) ? a : b; }\n"
    "double standin_dmax(double a, double b) { return (a >= b || b != b) ? a : b; }\n"
    "double2 standin_dmin(double2 a, double2 b) { return double2(standin_dmin(a.x, b.x), "
    "standin_dmin(a.y, b.y)); }\n"
    "double2 standin_dmax(double2 a, double2 b) { return double2(standin_dmax(a.x, b.x), "
    "standin_dmax(a.y, b.y)); }\n"
    "double3 standin_dmin(double3 a, double3 b) { return double3(standin_dmin(a.xy, b.xy), "
    "standin_dmin(a.z, b.z)); }\n"
    "double3 standin_dmax(double3 a, double3 b) { return double3(standin_dmax(a.xy, b.xy), "
    "standin_dmax(a.z, b.z)); }\n"
    "double4 standin_dmin(double4 a, double4 b) { return double4(standin_dmin(a.xy, b.xy), "
    "standin_dmin(a.zw, b.zw)); }\n"
    "double4 standin_dmax(double4 a, double4 b) { return double4(standin_dmax(a.xy, b.xy), "
    "standin_dmax(a.zw, b.zw)); }\n#endif\n#line 1\n";

// asdouble of two uint2, which Microsoft's page lists and glslang lacks
// ("double2 conversion not implemented"): each pair joined on its own.
constexpr char kAsdoubleVector[] =
    "#ifndef standin_asdouble2_defined\n#define standin_asdouble2_defined\n"
    "double2 standin_asdouble2(uint2 low, uint2 high) { return double2(asdouble(low.x, high.x), "
    "asdouble(low.y, high.y)); }\n#endif\n#line 1\n";

bool IsFloatBase(const std::string& base) {
    return base == "float" || base == "half" || base == "min16float" || base == "min10float" ||
           base == "double";
}

bool IsSignedBase(const std::string& base) {
    return base == "int" || base == "min16int" || base == "min12int";
}

// The calls of the intrinsic `name`, or none where the source declares its
// own function of that name.
std::vector<size_t> CallsOf(const Tokens& tokens, const std::string& name) {
    std::vector<size_t> calls;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != name || tokens[at + 1].text != "(" ||
            (at > 0 && tokens[at - 1].text == ".")) {
            continue;
        }
        if (at > 0 && IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return") {
            return {};
        }
        calls.push_back(at);
    }
    return calls;
}

// sign, isnan, isinf, isfinite, any and all of a matrix, which glslang cannot
// compile (a float or bool matrix of results, isfinite crashing it), row by
// row; every matrix is a float one to glslang, integer and bool matrices
// included.
std::string MatrixHelper(const std::string& name, const ExpressionType& type) {
    const std::string shape = type.MatrixShape();
    const std::string matrix = "float" + shape;
    const std::string helper = "standin_" + name + "_" + shape;
    const bool perComponent = name != "any" && name != "all";
    const std::string row = "float" + std::to_string(type.columns);
    std::string body;
    for (int i = 0; i < type.rows; ++i) {
        std::string part = name + "(m[" + std::to_string(i) + "])";
        part = perComponent && name != "sign" ? row + "(" + part + ")" : part;
        body += i == 0 ? part : (perComponent ? ", " : name == "any" ? " || " : " && ") + part;
    }
    body = perComponent ? matrix + "(" + body + ")" : body;
    return "#ifndef " + helper + "_defined\n#define " + helper + "_defined\n" +
           (perComponent ? matrix : std::string("bool")) + " " + helper + "(" + matrix +
           " m) { return " + body + "; }\n#endif\n";
}

// The type a call's value is cast to where glslang's type for it is not
// Windows': sign of floats gives ints, reversebits of ints gives uints.
std::string CastOfValue(const std::string& name, const ExpressionType& type) {
    const std::string size = type.rows > 0 ? std::to_string(type.rows) : "";
    if (name == "sign" && IsFloatBase(type.base)) {
        return "int" + size;
    }
    if (name == "reversebits" && IsSignedBase(type.base)) {
        return "uint" + size;
    }
    return "";
}

// Calls of sign, reversebits, any, all and the isnan family whose argument's type glslang gets
// wrong: the value cast, or a helper for a matrix.
void TypedCalls(const Tokens& tokens, const std::string& name, LazyExpressionTypes* types,
                std::set<std::string>* helpers, std::vector<TextEdit>* edits) {
    for (size_t at : CallsOf(tokens, name)) {
        const size_t close = ClosingBracket(tokens, at + 1);
        const std::optional<ExpressionType> type =
            close < tokens.size() ? (*types)->TypeOf(at + 2, close) : std::nullopt;
        if (!type || type->IsArray() || type->structure) {
            continue;
        }
        if (type->IsMatrix() && name != "reversebits") {
            helpers->insert(MatrixHelper(name, *type));
            edits->push_back({tokens[at].offset, tokens[at].text.size(),
                              "standin_" + name + "_" + type->MatrixShape()});
            continue;
        }
        const std::string cast = type->IsMatrix() ? "" : CastOfValue(name, *type);
        if (!cast.empty()) {
            edits->push_back({tokens[at].offset, 0, "((" + cast + ")"});
            edits->push_back({tokens[close].offset + 1, 0, ")"});
        }
    }
}

// Calls of asuint with three arguments (the double split into two uints).
void AsuintOfDouble(const Tokens& tokens, std::vector<TextEdit>* edits) {
    bool called = false;
    for (size_t at : CallsOf(tokens, "asuint")) {
        const size_t close = ClosingBracket(tokens, at + 1);
        int commas = 0;
        int depth = 0;
        for (size_t i = at + 2; i < close && i < tokens.size(); ++i) {
            const std::string& text = tokens[i].text;
            depth += text == "(" || text == "[" || text == "{";
            depth -= text == ")" || text == "]" || text == "}";
            commas += depth == 0 && text == ",";
        }
        if (close < tokens.size() && commas == 2) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "standin_asuint_double"});
            called = true;
        }
    }
    if (called) {
        edits->push_back({0, 0, AsuintDoubleDefinition()});
    }
}

std::string FmaMatrixHelperName(const ExpressionType& type) {
    std::string name = "standin_fma_";
    name += type.MatrixShape();
    return name;
}

// fma of a double matrix, row by row.
std::string FmaMatrixHelper(const ExpressionType& type) {
    const std::string shape = type.MatrixShape();
    const std::string matrix = "double" + shape;
    const std::string helper = FmaMatrixHelperName(type);
    std::string rows;
    for (int row = 0; row < type.rows; ++row) {
        std::string r = "[";
        r += std::to_string(row);
        r += "]";
        rows +=
            (row == 0 ? "" : ", ") + std::string("standin_fma(a") + r + ", b" + r + ", c" + r + ")";
    }
    return "#ifndef " + helper + "_defined\n#define " + helper + "_defined\n" + matrix + " " +
           helper + "(" + matrix + " a, " + matrix + " b, " + matrix + " c) { return " + matrix +
           "(" + rows + "); }\n#endif\n";
}

// Calls of fma, those of matrices through a helper of their shape.
void FusedDoubles(const Tokens& tokens, LazyExpressionTypes* types, std::vector<TextEdit>* edits) {
    std::set<std::string> matrixHelpers;
    bool called = false;
    for (size_t at : CallsOf(tokens, "fma")) {
        const size_t close = ClosingBracket(tokens, at + 1);
        size_t comma = at + 2;
        for (int depth = 0; comma < close && comma < tokens.size(); ++comma) {
            const std::string& text = tokens[comma].text;
            depth += text == "(" || text == "[";
            depth -= text == ")" || text == "]";
            if (depth == 0 && text == ",") {
                break;
            }
        }
        if (close >= tokens.size()) {
            continue;
        }
        const std::optional<ExpressionType> type = (*types)->TypeOf(at + 2, comma);
        const bool matrix = type && type->IsMatrix();
        if (matrix) {
            matrixHelpers.insert(FmaMatrixHelper(*type));
        }
        edits->push_back({tokens[at].offset, tokens[at].text.size(),
                          matrix ? FmaMatrixHelperName(*type) : std::string("standin_fma")});
        called = true;
    }
    DefineHelpersFirst(matrixHelpers, edits);
    if (called) {
        edits->push_back({0, 0, kFma}); // in front of the matrix helpers that call it
    }
}

// The token past the end of a call's first argument: its top-level comma,
// or the closing parenthesis.
size_t EndOfFirstArgument(const Tokens& tokens, size_t open, size_t close) {
    size_t at = open + 1;
    for (int depth = 0; at < close; ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "(" || text == "[";
        depth -= text == ")" || text == "]";
        if (depth == 0 && text == ",") {
            break;
        }
    }
    return at;
}

bool IsDoubleValue(const std::optional<ExpressionType>& type) {
    return type && type->base == "double" && !type->IsMatrix() && !type->IsArray();
}

// Calls of min and max with a double scalar or vector argument, through
// helpers that compare doubles.
void DoubleMinMax(const Tokens& tokens, const std::set<std::string>& named,
                  LazyExpressionTypes* types, std::vector<TextEdit>* edits) {
    bool called = false;
    for (const char* name : {"min", "max"}) {
        if (named.count(name) == 0) {
            continue;
        }
        for (size_t at : CallsOf(tokens, name)) {
            const size_t close = ClosingBracket(tokens, at + 1);
            if (close >= tokens.size()) {
                continue;
            }
            const size_t comma = EndOfFirstArgument(tokens, at + 1, close);
            if (comma >= close || !(IsDoubleValue((*types)->TypeOf(at + 2, comma)) ||
                                    IsDoubleValue((*types)->TypeOf(comma + 1, close)))) {
                continue;
            }
            edits->push_back(
                {tokens[at].offset, tokens[at].text.size(), std::string("standin_d") + name});
            called = true;
        }
    }
    if (called) {
        edits->push_back({0, 0, kDoubleMinMax});
    }
}

// saturate and clamp of doubles, which glslang computes in float: the _sat
// modifier's min(1, max(0, x)) and clamp's max then min, with dmin's and
// dmax's rules (NaN gives the other operand, so saturate of NaN is 0).
constexpr char kDoubleClamps[] =
    "#ifndef standin_dclamp_defined\n#define standin_dclamp_defined\n"
    "double standin_dsaturate(double x) { double m = x >= 0.0L ? x : 0.0L; "
    "return m < 1.0L ? m : 1.0L; }\n"
    "double2 standin_dsaturate(double2 v) { return double2(standin_dsaturate(v.x), "
    "standin_dsaturate(v.y)); }\n"
    "double3 standin_dsaturate(double3 v) { return double3(standin_dsaturate(v.xy), "
    "standin_dsaturate(v.z)); }\n"
    "double4 standin_dsaturate(double4 v) { return double4(standin_dsaturate(v.xy), "
    "standin_dsaturate(v.zw)); }\n"
    "double standin_dclamp(double x, double lo, double hi) { "
    "double m = (x >= lo || lo != lo) ? x : lo; return (m < hi || hi != hi) ? m : hi; }\n"
    "double2 standin_dclamp(double2 x, double2 lo, double2 hi) { return double2("
    "standin_dclamp(x.x, lo.x, hi.x), standin_dclamp(x.y, lo.y, hi.y)); }\n"
    "double3 standin_dclamp(double3 x, double3 lo, double3 hi) { return double3("
    "standin_dclamp(x.xy, lo.xy, hi.xy), standin_dclamp(x.z, lo.z, hi.z)); }\n"
    "double4 standin_dclamp(double4 x, double4 lo, double4 hi) { return double4("
    "standin_dclamp(x.xy, lo.xy, hi.xy), standin_dclamp(x.zw, lo.zw, hi.zw)); }\n"
    "#endif\n#line 1\n";

// Calls of saturate and clamp with a double scalar or vector argument,
// through helpers that compare doubles.
void DoubleClamps(const Tokens& tokens, LazyExpressionTypes* types, std::vector<TextEdit>* edits) {
    bool called = false;
    for (const char* name : {"saturate", "clamp"}) {
        for (size_t at : CallsOf(tokens, name)) {
            const auto arguments = CallArguments(tokens, at + 1);
            const bool takesDouble =
                std::any_of(arguments.begin(), arguments.end(), [&](const auto& argument) {
                    return IsDoubleValue((*types)->TypeOf(argument.first, argument.second));
                });
            if (takesDouble) {
                edits->push_back(
                    {tokens[at].offset, tokens[at].text.size(), std::string("standin_d") + name});
                called = true;
            }
        }
    }
    if (called) {
        edits->push_back({0, 0, kDoubleClamps});
    }
}

// Calls of asdouble whose first argument is a two-component vector.
void AsdoubleOfVectors(const Tokens& tokens, LazyExpressionTypes* types,
                       std::vector<TextEdit>* edits) {
    bool called = false;
    for (size_t at : CallsOf(tokens, "asdouble")) {
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close >= tokens.size()) {
            continue;
        }
        const size_t comma = EndOfFirstArgument(tokens, at + 1, close);
        const std::optional<ExpressionType> type = (*types)->TypeOf(at + 2, comma);
        if (comma < close && type && type->rows == 2 && !type->IsMatrix() && !type->IsArray()) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "standin_asdouble2"});
            called = true;
        }
    }
    if (called) {
        edits->push_back({0, 0, kAsdoubleVector});
    }
}

// The intrinsics rewritten here that the source names, found in one pass
// that looks no further than a name's length and first letter for most
// tokens: a source that names none pays for little more than that pass.
std::set<std::string> NamedIntrinsics(const Tokens& tokens) {
    static constexpr const char* kNames[] = {
        "msad4", "f32tof16", "asuint", "fma",   "sign",  "reversebits", "any",
        "all",   "min",      "max",    "isnan", "isinf", "isfinite",    "asdouble"};
    std::set<std::string> named;
    for (const HlslToken& token : tokens) {
        const std::string& text = token.text;
        if (token.kind == HlslToken::Kind::Identifier && text[0] == 'd' &&
            text.compare(0, 6, "double") == 0) {
            named.insert("double");
        }
        if (token.kind != HlslToken::Kind::Identifier || text.size() < 3 || text.size() > 11 ||
            std::string_view("mfasri").find(text[0]) == std::string_view::npos) {
            continue;
        }
        for (const char* name : kNames) {
            if (text == name) {
                named.insert(text);
            }
        }
    }
    return named;
}

} // namespace

void RewriteIntrinsicValues(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    const std::set<std::string> named = NamedIntrinsics(tokens);
    if (named.empty()) {
        return;
    }
    if (named.count("msad4") > 0) {
        DocumentedIntrinsic(tokens, "msad4", kMsad4, "standin_msad4", edits);
    }
    if (named.count("f32tof16") > 0) {
        DocumentedIntrinsic(tokens, "f32tof16", kF32ToF16, "standin_f32tof16", edits);
    }
    if (named.count("asuint") > 0) {
        AsuintOfDouble(tokens, edits);
    }
    LazyExpressionTypes types(tokens);
    if (named.count("double") > 0) {
        DoubleMinMax(tokens, named, &types, edits);
        DoubleClamps(tokens, &types, edits);
    }
    if (named.count("asdouble") > 0) {
        AsdoubleOfVectors(tokens, &types, edits);
    }
    if (named.count("fma") > 0) {
        FusedDoubles(tokens, &types, edits);
    }
    std::set<std::string> helpers;
    for (const char* name : {"sign", "reversebits", "any", "all", "isnan", "isinf", "isfinite"}) {
        if (named.count(name) > 0) {
            TypedCalls(tokens, name, &types, &helpers, edits);
        }
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
