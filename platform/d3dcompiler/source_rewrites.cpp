#include "source_rewrites.h"
#include "attribute_rewrites.h"
#include "bool_varyings.h"
#include "buffer_arrays.h"
#include "class_rewrites.h"
#include "min_precision_matrices.h"
#include "condition_choices.h"
#include "const_objects.h"
#include "constant_expressions.h"
#include "constant_integer_matrices.h"
#include "constructor_rewrites.h"
#include "structure_casts.h"
#include "intrinsic_name_overloads.h"
#include "own_type_methods.h"
#include "rare_forms.h"
#include "structure_member_names.h"
#include "structure_buffers.h"
#include "structured_integer_matrices.h"
#include "matrix_row_intrinsics.h"
#include "scalar_matrix_casts.h"
#include "template_type_names.h"
#include "thin_matrices.h"
#include "matrix_swizzle_compounds.h"
#include "coverage_input.h"
#include "direction_overloads.h"
#include "effect_objects.h"
#include "expression_types.h"
#include "function_scan.h"
#include "global_matrix_packing.h"
#include "half_overloads.h"
#include "hlsl_tokens.h"
#include "initialiser_rewrites.h"
#include "integer_mad.h"
#include "integer_matrix_bitwise.h"
#include "integer_matrix_calls.h"
#include "integer_matrix_values.h"
#include "gather_compare_rewrites.h"
#include "gather_offsets_rewrites.h"
#include "interlocked_rewrites.h"
#include "lod_clamp_rewrites.h"
#include "tiled_status_rewrites.h"
#include "buffer_dimensions.h"
#include "keyword_names.h"
#include "legacy_sampling.h"
#include "loop_scope.h"
#include "macro_calls.h"
#include "matrix_comparisons.h"
#include "matrix_logic.h"
#include "matrix_rewrites.h"
#include "matrix_swizzles.h"
#include "mul_rewrites.h"
#include "multisample_reads.h"
#include "number_pasting.h"
#include "overload_rewrites.h"
#include "patch_lengths.h"
#include "profile_registers.h"
#include "register_checks.h"
#include "semantic_cascade.h"
#include "typed_initialisers.h"
#include "uniform_parameters.h"
#include "unsigned_types.h"
#include "value_rewrites.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Spaces over [first, last] of the tokens, newlines kept.
TextEdit Blank(const std::string& source, const Tokens& tokens, size_t first, size_t last) {
    const size_t begin = tokens[first].offset;
    const size_t end = tokens[last].offset + tokens[last].text.size();
    std::string text = source.substr(begin, end - begin);
    for (char& c : text) {
        c = (c == '\n' || c == '\r') ? c : ' ';
    }
    return {begin, end - begin, text};
}

// "type name [= value];" entries up to the closing '>' of an annotation that
// opens at `open`: the '>' or tokens.size().
size_t AnnotationEnd(const Tokens& tokens, size_t open) {
    size_t at = open + 1;
    size_t entries = 0;
    while (IsIdentifier(tokens, at) && IsIdentifier(tokens, at + 1)) {
        at += 2;
        while (at < tokens.size() && tokens[at].text != ";") {
            const std::string& text = tokens[at].text;
            at = (text == "{" || text == "(" || text == "[") ? ClosingBracket(tokens, at) + 1
                                                             : at + 1;
        }
        ++at;
        ++entries;
    }
    return entries > 0 && IsToken(tokens, at, ">") ? at : tokens.size();
}

// A declarator's name, dimensions or ": register(...)" ends just before `at`.
bool AfterDeclarator(const Tokens& tokens, size_t at) {
    if (at == 0) {
        return false;
    }
    const std::string& before = tokens[at - 1].text;
    if (before == "]" || IsIdentifier(tokens, at - 1)) {
        return true;
    }
    if (before != ")") {
        return false;
    }
    size_t open = at - 1;
    for (size_t depth = 0; open > 0; --open) {
        depth += tokens[open].text == ")";
        depth -= tokens[open].text == "(";
        if (depth == 0) {
            break;
        }
    }
    return open > 0 &&
           (tokens[open - 1].text == "register" || tokens[open - 1].text == "packoffset");
}

// "{ Filter = MIN_MAG_MIP_LINEAR; AddressU = Wrap; }": assignments only.
bool IsStateBlock(const Tokens& tokens, size_t open, size_t close) {
    size_t at = open + 1;
    while (at < close) {
        if (!IsIdentifier(tokens, at)) {
            return false;
        }
        ++at;
        if (IsToken(tokens, at, "[")) {
            at = ClosingBracket(tokens, at) + 1;
        }
        if (!IsToken(tokens, at, "=")) {
            return false;
        }
        while (at < close && tokens[at].text != ";") {
            at = tokens[at].text == "{" ? ClosingBracket(tokens, at) + 1 : at + 1;
        }
        ++at;
    }
    return at == close;
}

// Whether the global statement holding `at` declares variables: it starts
// with no struct, buffer or namespace keyword and holds no parameter list.
bool DeclaresVariables(const Tokens& tokens, size_t at) {
    size_t start = at;
    while (start > 0 && tokens[start - 1].text != ";" && tokens[start - 1].text != "}" &&
           tokens[start - 1].text != "{") {
        --start;
    }
    static const char* kKeywords[] = {"struct",    "cbuffer", "tbuffer",
                                      "namespace", "class",   "interface"};
    for (const char* keyword : kKeywords) {
        if (tokens[start].text == keyword) {
            return false;
        }
    }
    for (size_t i = start + 1; i < at; ++i) {
        if (tokens[i].text == "(" && IsIdentifier(tokens, i - 1) &&
            tokens[i - 1].text != "register" && tokens[i - 1].text != "packoffset") {
            return false;
        }
    }
    return true;
}

// Annotations "< string name = "x"; >", state blocks "{ Filter = ...; }" and
// "= sampler_state { ... }" on global variables: the compiler reads them only
// for effects, and ignores them for a shader.
void BlankEffectSyntax(const std::string& source, const Tokens& tokens,
                       std::vector<TextEdit>* edits) {
    std::map<size_t, size_t> annotations; // closing '>' -> opening '<'
    size_t depth = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        size_t before = at; // where the declarator ends, annotations passed over
        if (annotations.count(at - 1) != 0) {
            before = annotations[at - 1];
        }
        if (text == "<" && AfterDeclarator(tokens, at)) {
            const size_t end = AnnotationEnd(tokens, at);
            if (end < tokens.size()) {
                edits->push_back(Blank(source, tokens, at, end));
                annotations[end] = at;
                at = end;
                continue;
            }
        }
        if (depth == 0 && text == "=" && IsToken(tokens, at + 1, "sampler_state") &&
            IsToken(tokens, at + 2, "{")) {
            const size_t close = ClosingBracket(tokens, at + 2);
            if (close < tokens.size()) {
                edits->push_back(Blank(source, tokens, at, close));
                at = close;
                continue;
            }
        }
        if (text == "{") {
            const size_t close = ClosingBracket(tokens, at);
            if (depth == 0 && close < tokens.size() && AfterDeclarator(tokens, before) &&
                DeclaresVariables(tokens, at) && IsStateBlock(tokens, at, close)) {
                edits->push_back(Blank(source, tokens, at, close));
                at = close;
                continue;
            }
            ++depth;
        } else if (text == "}" && depth > 0) {
            --depth;
        }
    }
}

// The legacy upper-case names of the scalar, vector and matrix types, written
// in place as the lower-case names of the same length; a name the source
// defines as a macro is its own.
void LowercaseLegacyTypeNames(const std::string& source, const Tokens& tokens,
                              std::vector<TextEdit>* edits) {
    static const char* kLegacyNames[] = {"FLOAT", "HALF",   "DOUBLE", "INT",   "BOOL",
                                         "DWORD", "VECTOR", "MATRIX", "STRING"};
    std::map<std::string, bool> isMacro; // each legacy name the source holds
    for (const HlslToken& token : tokens) {
        if (!isMacro.count(token.text) &&
            std::any_of(std::begin(kLegacyNames), std::end(kLegacyNames),
                        [&](const char* name) { return token.text == name; })) {
            isMacro[token.text] =
                std::regex_search(source, std::regex("#[ \\t]*define[ \\t]+" + token.text + "\\b"));
        }
    }
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        auto legacy = isMacro.find(text);
        if (legacy == isMacro.end() || legacy->second || (at > 0 && tokens[at - 1].text == ".") ||
            IsToken(tokens, at + 1, "=")) {
            continue;
        }
        std::string lower = text;
        for (char& c : lower) {
            c = char(std::tolower(uint8_t(c)));
        }
        edits->push_back({tokens[at].offset, text.size(), lower});
    }
}

// "register(s[1 + 1])", "register(vs, s2[8])": the register is the class
// letter with the number and the index added, "s2" and "s10".
void FoldRegisterIndices(const Tokens& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "register" || tokens[at + 1].text != "(") {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        for (size_t i = at + 2; i + 1 < close && close < tokens.size(); ++i) {
            const std::string& name = tokens[i].text;
            if (!IsIdentifier(tokens, i) || tokens[i + 1].text != "[" ||
                std::string("bcstuBCSTU").find(name[0]) == std::string::npos) {
                continue;
            }
            const size_t end = ClosingBracket(tokens, i + 1);
            const std::optional<int64_t> index = EvaluateIntegerConstant(tokens, i + 2, end);
            const std::optional<int64_t> base =
                name.size() > 1 ? IntegerLiteralValue(name.substr(1)) : int64_t(0);
            if (end >= close || !index || !base || *index < 0) {
                continue;
            }
            const std::string folded = name.substr(0, 1) + std::to_string(*base + *index);
            const size_t length = tokens[end].offset + 1 - tokens[i].offset;
            if (folded.size() <= length) {
                edits->push_back(
                    {tokens[i].offset, length, folded + std::string(length - folded.size(), ' ')});
            }
            i = end;
        }
    }
}

// "cbuffer C { float4 a; Texture2D t : register(t0); };": a resource inside a
// constant buffer is a global resource, and a static the shader's own
// variable, not a value of the buffer. Its declaration moves in front of the
// buffer, on the buffer's first line.
void MoveResourcesOutOfBuffers(const std::string& source, const Tokens& tokens,
                               std::vector<TextEdit>* edits) {
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        if (!body.buffer || body.close >= tokens.size()) {
            continue;
        }
        size_t keyword = body.open;
        while (keyword > 0 && tokens[keyword].text != "cbuffer" &&
               tokens[keyword].text != "tbuffer") {
            --keyword;
        }
        std::string moved;
        for (size_t at = body.open + 1; at < body.close; ++at) {
            const bool start = tokens[at - 1].text == ";" || tokens[at - 1].text == "{";
            if (!start || (!IsResourceType(tokens[at].text) && tokens[at].text != "static")) {
                continue;
            }
            size_t end = at;
            while (end < body.close && tokens[end].text != ";") {
                ++end;
            }
            if (end == body.close) {
                break;
            }
            const size_t from = tokens[at].offset;
            moved += source.substr(from, tokens[end].offset + 1 - from) + " ";
            edits->push_back(Blank(source, tokens, at, end));
            at = end;
        }
        if (!moved.empty()) {
            edits->push_back({tokens[keyword].offset, 0, moved});
        }
    }
}

std::string Apply(std::string source, std::vector<TextEdit> edits) {
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) {
        return a.offset > b.offset || (a.offset == b.offset && a.length > b.length);
    });
    // Edits that overlap a later one are dropped; an insertion goes in front
    // of a replacement at its offset, and of the insertions made before it
    // there (an outer call around an inner one).
    size_t limit = source.size();
    for (const TextEdit& edit : edits) {
        if (edit.offset + edit.length > limit) {
            continue;
        }
        source.replace(edit.offset, edit.length, edit.text);
        limit = edit.offset;
    }
    return source;
}

// The rare forms rewritten in the whole text, each pass reading the text the
// one before it left, before the other rewrites read the tokens.
void RespellRareForms(const std::string& written, const RareForms& forms, std::string* spelled,
                      std::vector<HlslToken>* tokens) {
    if (forms.effectObject) {
        BlankEffectObjects(written, spelled, tokens);
    }
    if (forms.bufferArray) {
        SplitBufferArrays(written, spelled, tokens);
    }
    if (forms.minPrecisionMatrix) {
        SpellMinPrecisionMatrices(written, spelled, tokens);
    }
    if (forms.thinMatrix) {
        SpellThinMatrices(written, spelled, tokens);
    }
    if (forms.structureMethod || forms.staticOrOutsideMember) {
        SpellStructureMemberNames(written, spelled, tokens);
    }
    if (forms.ownTypeMethod) {
        SpellOwnTypeMethods(written, spelled, tokens);
    }
}

} // namespace

std::string RewriteForGlslang(const std::string& written, const std::string& entryPoint, char stage,
                              const std::string& definitions) {
    std::vector<HlslToken> tokens = TokenizePreprocessedHlsl(written, "");
    std::string spelled = SpellTemplateTypes(written, tokens);
    if (!spelled.empty()) {
        tokens = TokenizePreprocessedHlsl(spelled, "");
    }
    const RareForms forms = FindRareForms(tokens);
    RespellRareForms(written, forms, &spelled, &tokens);
    const std::string& source = spelled.empty() ? written : spelled;
    std::vector<TextEdit> edits;
    const SharedExpressionTypes sharedTypes(tokens); // for the rewrites that need types
    BlankEffectSyntax(source, tokens, &edits);
    if (forms.classOrInterface || forms.staticOrOutsideMember) {
        RewriteClasses(source, tokens, forms.staticOrOutsideMember, &edits);
    }
    if (forms.constObject) {
        RewriteConstObjectsWithMethods(tokens, &edits);
    }
    LowercaseLegacyTypeNames(source, tokens, &edits);
    RewriteUnsignedTypes(tokens, &edits);
    RenameKeywordsUsedAsNames(tokens, &edits);
    LowercaseAttributeNames(source, tokens, entryPoint, &edits);
    RewritePatchLengths(source, tokens, &edits);
    RewriteConditionChoices(source, &edits);
    RewriteOddWhiteSpace(source, &edits);
    RewriteFunctionMacroNamesInConditions(source, definitions, &edits);
    MarkEmptyMacroArguments(source, definitions, &edits);
    ExpandNumberPastes(source, tokens, definitions, &edits);
    RewriteSampleOperators(source, tokens, &edits);
    FoldRegisterIndices(tokens, &edits);
    SelectProfileRegisters(source, tokens, stage, &edits);
    RewriteLegacySampling(source, tokens, &edits);
    MoveResourcesOutOfBuffers(source, tokens, &edits);
    CascadeStructSemantics(tokens, entryPoint, &edits);
    RewriteValueForms(tokens, &edits);
    RenameCoverageInputs(tokens, entryPoint, &edits);
    BlankHelperUniformParameters(tokens, entryPoint, &edits);
    WriteGlobalMatrixPacking(source, tokens, &edits);
    ReadConstantIntegerMatrices(source, tokens, &edits);
    ReadStructuredIntegerMatrices(tokens, &edits);
    RewriteMatrixRowIntrinsics(tokens, &edits);
    if (forms.matrixCast) {
        ConvertScalarsCastToMatrices(tokens, &edits);
    }
    if (forms.structureBuffer) {
        RewriteStructureTypedBuffers(tokens, &edits);
    }
    RewriteIntegerMatrices(tokens, &edits);
    ConvertIntegerMatrixValues(tokens, &edits);
    RewriteIntegerMatrixBitwise(tokens, &edits);
    RewriteIntegerMad(tokens, &edits);
    ConvertIntegerMatrixCalls(tokens, &edits);
    RewriteMatrixComparisons(tokens, &edits);
    RewriteMatrixLogic(tokens, &edits);
    RewriteOneComponentMul(source, tokens, &edits);
    DeclareBoolVaryingsAsUint(tokens, &edits);
    NestFlatInitialisers(source, tokens, &edits);
    FlattenTypedInitialisers(source, tokens, &edits);
    FlattenAggregateOperands(tokens, &edits);
    RewriteStructureCasts(tokens, &edits);
    RewriteResolvedOverloads(tokens, &edits);
    RenameHalfOverloads(tokens, &edits);
    RenameIntrinsicNamedOverloads(tokens, &edits);
    RenameDirectionOnlyOverloads(tokens, &edits);
    RewriteCompareStores(source, tokens, &edits);
    SuffixInterlockedMethodLiterals(tokens, &edits);
    AddZeroGatherCompareOffsets(source, tokens, &edits);
    RewriteGatherOffsets(source, tokens, &edits);
    RewriteTiledStatusReads(source, tokens, &edits);
    RewriteLodClamps(source, tokens, &edits);
    ScaleRawBufferDimensions(tokens, &edits);
    PackStructuredBufferStrides(tokens, &edits);
    RewriteMatrixSwizzles(tokens, &edits);
    RewriteMatrixSwizzleCompounds(tokens, &edits);
    HoistLoopVariablesReadAfterTheLoop(tokens, &edits);
    if (edits.empty()) {
        return source;
    }
    return Apply(source, std::move(edits));
}

} // namespace d3dcompiler_standin
