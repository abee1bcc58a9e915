#include "value_rewrites.h"
#include "float_literal_precision.h"
#include "intrinsic_values.h"
#include "integer_compound_assignments.h"
#include "signed_remainders.h"
#include "literal_conversions.h"
#include "matrix_products.h"

#include <pipeline_constants.h>

#include <map>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// lit() as Microsoft documents it; glslang multiplies n.h by m instead of
// raising it to the power m. Defined once however many files call it; the
// `#line 1` keeps the file's own numbering.
constexpr char kLit[] =
    "#ifndef standin_lit_defined\n#define standin_lit_defined\n"
    "float4 standin_lit(float n_dot_l, float n_dot_h, float m) { return float4(1, "
    "max(n_dot_l, 0), (n_dot_l < 0 || n_dot_h < 0) ? 0 : pow(abs(n_dot_h), m), 1); }\n"
    "#endif\n#line 1\n";

// ldexp(x, exp) is x * 2^exp with a float exponent, fractions included, as
// Microsoft documents it; glslang passes the float exponent to SPIR-V's
// Ldexp, which takes integers, and the module fails validation.
constexpr char kLdexp[] = "#ifndef standin_ldexp\n#define standin_ldexp(x, e) ((x) * exp2(e))\n"
                          "#endif\n#line 1\n";

// GetRenderTargetSamplePosition(i): sample i of the standard pattern of the
// pipeline's sample count, in pixels from the pixel's centre, or (0, 0) for
// an index out of range. The patterns in 1/16 pixel, for 1, 2, 4, 8 and 16
// samples, are those of D3D11_STANDARD_MULTISAMPLE_PATTERN (which Vulkan's
// standard sample locations share); the count's pattern starts at count - 1.
constexpr char kSamplePosition[] =
    "#ifndef standin_sample_position_defined\n#define standin_sample_position_defined\n"
    "static const int2 standin_sample_pattern[31] = {int2(0, 0), int2(4, 4), int2(-4, -4), "
    "int2(-2, -6), int2(6, -2), int2(-6, 2), int2(2, 6), int2(1, -3), int2(-1, 3), int2(5, 1), "
    "int2(-3, -5), int2(-5, 5), int2(-7, -1), int2(3, 7), int2(7, -7), int2(1, 1), int2(-1, -3), "
    "int2(-3, 2), int2(4, -1), int2(-5, -2), int2(2, 5), int2(5, 3), int2(3, -5), int2(-2, 6), "
    "int2(0, -7), int2(-4, -6), int2(-6, 4), int2(-8, 0), int2(7, -4), int2(6, 7), int2(-7, -8)};\n"
    "float2 standin_sample_position(int index) { uint count = standin_sample_count; "
    "if (index < 0 || uint(index) >= count || count > 16) { return float2(0, 0); } "
    "return standin_sample_pattern[count - 1 + uint(index)] / 16.0; }\n#endif\n#line 1\n";

// Brace depth before each token.
std::vector<int> Depths(const Tokens& tokens) {
    std::vector<int> depths(tokens.size());
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        depth -= tokens[i].text == "}";
        depths[i] = depth;
        depth += tokens[i].text == "{";
    }
    return depths;
}

// The tokens of the file-scope declaration holding `at`: from after the
// previous ';', '{' or '}' to its ';'.
std::pair<size_t, size_t> DeclarationAround(const Tokens& tokens, size_t at) {
    size_t first = at;
    while (first > 0 && tokens[first - 1].text != ";" && tokens[first - 1].text != "{" &&
           tokens[first - 1].text != "}") {
        --first;
    }
    size_t last = at;
    while (last < tokens.size() && tokens[last].text != ";" && tokens[last].text != "{") {
        ++last;
    }
    return {first, last};
}

// A global `const` is still a uniform, read from $Globals; an initialiser is
// only a default the program may ignore (Windows warns, X3207). glslang folds
// it to its initialiser, or to 0. Without the word it is the uniform it is on
// Windows.
void GlobalConstantsAsUniforms(const Tokens& tokens, const std::vector<int>& depths,
                               std::vector<TextEdit>* edits) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].text != "const" || depths[i] != 0) {
            continue;
        }
        const auto [first, last] = DeclarationAround(tokens, i);
        if (last >= tokens.size() || tokens[last].text != ";") {
            continue;
        }
        bool uniform = true;
        for (size_t at = first; at < last && tokens[at].text != "="; ++at) {
            const std::string& text = tokens[at].text;
            uniform = uniform && text != "(" && text != "static" && text != "typedef" &&
                      text != "groupshared";
        }
        if (uniform) {
            edits->push_back({tokens[i].offset, tokens[i].text.size(), "     "});
        }
    }
}

// `typedef row_major float4x4 M;` carries the ordering to what is declared
// with M; glslang drops it, so each such declaration gets the word itself.
void TypedefMatrixOrderings(const Tokens& tokens, const std::vector<int>& depths,
                            std::vector<TextEdit>* edits) {
    std::map<std::string, std::string> orderings; // typedef name -> its ordering
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].text == "typedef" && depths[i] == 0) {
            const auto [first, last] = DeclarationAround(tokens, i);
            std::string ordering;
            for (size_t at = first; at < last; ++at) {
                if (tokens[at].text == "row_major" || tokens[at].text == "column_major") {
                    ordering = tokens[at].text;
                }
            }
            if (!ordering.empty() && last > 0 && IsIdentifier(tokens, last - 1)) {
                orderings[tokens[last - 1].text] = ordering;
            }
            i = last;
            continue;
        }
        auto ordered = orderings.find(tokens[i].text);
        if (ordered != orderings.end() && tokens[i].kind == HlslToken::Kind::Identifier &&
            IsIdentifier(tokens, i + 1)) {
            edits->push_back(
                {tokens[i].offset, tokens[i].text.size(), ordered->second + " " + tokens[i].text});
        }
    }
}

} // namespace

void DocumentedIntrinsic(const Tokens& tokens, const char* name, const char* definition,
                         const char* replacement, std::vector<TextEdit>* edits) {
    std::vector<size_t> calls;
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].text != name || tokens[i + 1].text != "(" ||
            (i > 0 && tokens[i - 1].text == ".")) {
            continue;
        }
        if (i > 0 && IsIdentifier(tokens, i - 1) && tokens[i - 1].text != "return") {
            return; // a declaration of the source's own function
        }
        calls.push_back(i);
    }
    if (calls.empty()) {
        return;
    }
    edits->push_back({0, 0, definition});
    for (size_t call : calls) {
        edits->push_back({tokens[call].offset, tokens[call].text.size(), replacement});
    }
}

namespace {

// A render target's sample count is the pipeline's, which glslang cannot
// know (it declares the intrinsic but has nothing behind it, and crashes):
// the call reads the specialization constant PipelineConstantDeclarations()
// declares, which pipeline creation sets. Sample positions follow from it.
void PipelineSampleCount(const Tokens& tokens, std::vector<TextEdit>* edits) {
    bool positions = false;
    for (size_t i = 0; i + 2 < tokens.size(); ++i) {
        if (tokens[i].text == "GetRenderTargetSamplePosition" && tokens[i + 1].text == "(" &&
            (i == 0 || tokens[i - 1].text != ".")) {
            edits->push_back({tokens[i].offset, tokens[i].text.size(), "standin_sample_position"});
            positions = true;
        }
        if (tokens[i].text == "GetRenderTargetSampleCount" && tokens[i + 1].text == "(" &&
            tokens[i + 2].text == ")" && (i == 0 || tokens[i - 1].text != ".")) {
            const size_t end = tokens[i + 2].offset + 1;
            edits->push_back({tokens[i].offset, end - tokens[i].offset, "standin_sample_count"});
        }
    }
    if (positions) {
        edits->push_back({0, 0, kSamplePosition});
    }
}

// Windows' compiler ignores [numthreads] without arguments outside compute
// shaders, and only vertex and pixel targets are compiled here; glslang
// reads the missing arguments and crashes.
void NumthreadsWithoutArguments(const Tokens& tokens, std::vector<TextEdit>* edits) {
    for (size_t i = 0; i + 2 < tokens.size(); ++i) {
        if (tokens[i].text == "[" && tokens[i + 1].text == "numthreads" &&
            tokens[i + 2].text == "]") {
            edits->push_back({tokens[i].offset, tokens[i + 2].offset + 1 - tokens[i].offset,
                              std::string(tokens[i + 2].offset + 1 - tokens[i].offset, ' ')});
        }
    }
}

} // namespace

bool ReadsPipelineConstants(const std::string& rewritten) {
    return rewritten.find("standin_sample_count") != std::string::npos;
}

std::string PipelineConstantDeclarations() {
    return "[[vk::constant_id(" + std::to_string(dxbc::kSampleCountConstantId) +
           ")]] const uint standin_sample_count = 1;\n#line 1\n";
}

void RewriteValueForms(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    const std::vector<int> depths = Depths(tokens);
    GlobalConstantsAsUniforms(tokens, depths, edits);
    TypedefMatrixOrderings(tokens, depths, edits);
    DocumentedIntrinsic(tokens, "lit", kLit, "standin_lit", edits);
    DocumentedIntrinsic(tokens, "ldexp", kLdexp, "standin_ldexp", edits);
    RewriteIntrinsicValues(tokens, edits);
    RoundFloatLiteralsNearDoubles(tokens, edits);
    PipelineSampleCount(tokens, edits);
    NumthreadsWithoutArguments(tokens, edits);
    RewriteMatrixProducts(tokens, edits);
    RewriteLiteralConversions(tokens, edits);
    RewriteIntegerCompoundAssignments(tokens, edits);
    RewriteSignedRemainders(tokens, edits);
}

} // namespace d3dcompiler_standin
