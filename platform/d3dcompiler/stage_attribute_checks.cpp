#include "stage_attribute_checks.h"
#include "constant_expressions.h"
#include "numeric_type_names.h"

#include <algorithm>
#include <optional>
#include <strings.h>

namespace d3dcompiler_standin {

size_t FindEntryAttribute(const std::vector<HlslToken>& tokens, const FunctionDefinition& entry,
                          const char* name) {
    size_t at = entry.name - 1; // the return type
    while (at > 1 && tokens[at - 1].text == "]") {
        const size_t open = OpeningBracket(tokens, at - 1);
        if (tokens[open].text != "[" || !IsIdentifier(tokens, open + 1)) {
            return 0;
        }
        if (strcasecmp(tokens[open + 1].text.c_str(), name) == 0) {
            return open + 1;
        }
        at = open;
    }
    return 0;
}

namespace {

using Tokens = std::vector<HlslToken>;

// Whether `name` is declared "static const" at global scope, a constant the
// compiler folds rather than one the program sets.
bool IsStaticConstant(const Tokens& tokens, const std::string& name) {
    for (size_t at = 2; at + 1 < tokens.size(); ++at) {
        if (tokens[at + 1].text == name && IsIdentifier(tokens, at) &&
            (tokens[at - 1].text == "const" || tokens[at - 1].text == "static")) {
            return tokens[at - 2].text == "static" || tokens[at - 2].text == "const";
        }
    }
    return false;
}

// 32-bit scalars in one vertex of the structure `type`; 0 where a member's
// type is not a plain numeric one.
int ScalarsOfVertex(const Tokens& tokens, const std::string& type) {
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        if (body.buffer || body.open < 1 || tokens[body.open - 1].text != type) {
            continue;
        }
        int scalars = 0;
        for (size_t at = body.open + 1; at + 1 < body.close; ++at) {
            NumericTypeName parsed;
            if ((tokens[at - 1].text == "{" || tokens[at - 1].text == ";") &&
                !ReadNumericTypeName(tokens[at].text, &parsed)) {
                return 0;
            }
            if (tokens[at - 1].text == "{" || tokens[at - 1].text == ";") {
                scalars += std::max(parsed.size, 1) * std::max(parsed.columns, 1);
            }
        }
        return scalars;
    }
    return 0;
}

// The element type of the entry point's output stream ("TriangleStream<T>").
// The scalars of the largest vertex the entry's streams write: with several
// streams, the limit is on the largest stream type times the vertex count
// (Microsoft's "How To: Index Multiple Output Streams").
int LargestStreamVertex(const Tokens& tokens, const FunctionDefinition& entry) {
    int largest = 0;
    for (size_t at = entry.parameters; at + 2 < entry.body; ++at) {
        if (tokens[at].text.size() > 6 &&
            tokens[at].text.compare(tokens[at].text.size() - 6, 6, "Stream") == 0 &&
            tokens[at + 1].text == "<") {
            largest = std::max(largest, ScalarsOfVertex(tokens, tokens[at + 2].text));
        }
    }
    return largest;
}

void CheckVertexCount(const Tokens& tokens, const FunctionDefinition& entry, std::string* errors) {
    const HlslToken& entryName = tokens[entry.name];
    const std::string missing =
        SourceError(entryName, "'" + entryName.text + "' must have a max vertex count", "X3514") +
        "\n";
    const size_t name = FindEntryAttribute(tokens, entry, "maxvertexcount");
    if (name == 0 || !IsToken(tokens, name + 1, "(")) {
        *errors += missing;
        return;
    }
    const size_t close = ClosingBracket(tokens, name + 1);
    const std::optional<int64_t> count = EvaluateIntegerConstant(tokens, name + 2, close);
    if (count && *count < 0) {
        *errors += SourceError(tokens[name],
                               "cannot match attribute maxvertexcount, non-uint parameters found",
                               "X3084") +
                   "\n";
        return;
    }
    if (!count) {
        // A float literal does not match the int parameter; a name the
        // program sets is no literal; a static constant is folded later.
        const bool named = close == name + 3 && IsIdentifier(tokens, name + 2);
        if (named && IsStaticConstant(tokens, tokens[name + 2].text)) {
            return;
        }
        if (named) {
            *errors += SourceError(tokens[name],
                                   "non-literal parameter(s) found for attribute maxvertexcount",
                                   "X3084") +
                       "\n";
        }
        if (named || (close == name + 3 && tokens[name + 2].kind == HlslToken::Kind::Number)) {
            *errors += missing;
        }
        return;
    }
    const int scalars = LargestStreamVertex(tokens, entry);
    if (scalars > 0 && *count * scalars > 1024) {
        *errors += SourceError(tokens[name], "maxvertexcount(" + std::to_string(*count) +
                                                 ") vertices of " + std::to_string(scalars) +
                                                 " scalars each exceed the 1024 scalars a "
                                                 "geometry shader may output") +
                   "\n";
    }
}

void CheckPatchConstantFunction(const Tokens& tokens,
                                const std::vector<FunctionDefinition>& functions,
                                const FunctionDefinition& entry, std::string* errors) {
    const HlslToken& entryName = tokens[entry.name];
    const size_t name = FindEntryAttribute(tokens, entry, "patchconstantfunc");
    if (name == 0 || !IsToken(tokens, name + 1, "(") ||
        tokens[name + 2].kind != HlslToken::Kind::String) {
        *errors += SourceError(entryName, "'" + entryName.text +
                                              "': hull shader must have a patchconstantfunc "
                                              "attribute naming its patch constant function") +
                   "\n";
        return;
    }
    const std::string function = StringLiteralValue(tokens[name + 2].text);
    for (const FunctionDefinition& defined : functions) {
        if (tokens[defined.name].text == function) {
            return;
        }
    }
    *errors +=
        SourceError(tokens[name + 2], "patch constant function '" + function + "' is not defined") +
        "\n";
}

// "[instance(n)]", "[outputcontrolpoints(n)]": a constant count from `low` to
// `high` (Direct3D's D3D12_GS_MAX_INSTANCE_COUNT and
// D3D12_IA_PATCH_MAX_CONTROL_POINT_COUNT, 32); an absent attribute is judged
// elsewhere.
void CheckCountRange(const Tokens& tokens, const FunctionDefinition& entry, const char* name,
                     int64_t low, int64_t high, std::string* errors) {
    const size_t at = FindEntryAttribute(tokens, entry, name);
    if (at == 0 || !IsToken(tokens, at + 1, "(")) {
        return;
    }
    const std::optional<int64_t> count =
        EvaluateIntegerConstant(tokens, at + 2, ClosingBracket(tokens, at + 1));
    if (count && (*count < low || *count > high)) {
        *errors += SourceError(tokens[at], std::string(name) + "(" + std::to_string(*count) +
                                               ") is out of its range, " + std::to_string(low) +
                                               " to " + std::to_string(high)) +
                   "\n";
    }
}

// InputPatch<...> and OutputPatch<...> are the inputs of hull and domain shaders.
void CheckPatchParameters(const Tokens& tokens, const FunctionDefinition& entry,
                          std::string* errors) {
    for (const auto& [begin, end] : Parameters(tokens, entry)) {
        for (size_t at = begin; at < end; ++at) {
            const std::string& text = tokens[at].text;
            if (text == "InputPatch" || text == "OutputPatch") {
                *errors += SourceError(tokens[at], "'" + tokens[entry.name].text + "': " + text +
                                                       " parameters are only valid in hull and "
                                                       "domain shaders") +
                           "\n";
            }
        }
    }
}

// A hull shader's InputPatch<type, n>: from 1 to 32 control points (the
// range of dcl_input_control_point_count).
void CheckInputPatchSize(const Tokens& tokens, const FunctionDefinition& entry,
                         std::string* errors) {
    for (const auto& [begin, end] : Parameters(tokens, entry)) {
        for (size_t at = begin; at + 1 < end; ++at) {
            if (tokens[at].text != "InputPatch" || !IsToken(tokens, at + 1, "<")) {
                continue;
            }
            const size_t close = ClosingBracket(tokens, at + 1);
            size_t comma = at + 2;
            while (comma < close && !IsChar(tokens[comma], ',')) {
                comma = IsChar(tokens[comma], '<') ? ClosingBracket(tokens, comma) : comma + 1;
            }
            const std::optional<int64_t> count =
                comma < close ? EvaluateIntegerConstant(tokens, comma + 1, close) : std::nullopt;
            if (count && (*count < 1 || *count > 32)) {
                *errors += SourceError(tokens[at], "InputPatch of " + std::to_string(*count) +
                                                       " control points is out of its range, 1 "
                                                       "to 32") +
                           "\n";
            }
        }
    }
}

} // namespace

void CheckStageAttributes(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                          const FunctionDefinition& entry, char stage, std::string* errors) {
    if (stage == 'g') {
        CheckVertexCount(tokens, entry, errors);
        CheckCountRange(tokens, entry, "instance", 1, 32, errors);
    } else if (stage == 'h') {
        CheckPatchConstantFunction(tokens, functions, entry, errors);
        CheckCountRange(tokens, entry, "outputcontrolpoints", 0, 32, errors);
        CheckInputPatchSize(tokens, entry, errors);
    }
    if (stage != 'h' && stage != 'd') {
        CheckPatchParameters(tokens, entry, errors);
    }
}

} // namespace d3dcompiler_standin
