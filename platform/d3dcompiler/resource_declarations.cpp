#include "resource_declarations.h"
#include "numeric_type_names.h"

#include <cstring>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

constexpr const char* kObjectKinds[] = {"Texture1D",
                                        "Texture1DArray",
                                        "Texture2D",
                                        "Texture2DArray",
                                        "Texture3D",
                                        "TextureCube",
                                        "TextureCubeArray",
                                        "Texture2DMS",
                                        "Texture2DMSArray",
                                        "Buffer",
                                        "RWBuffer",
                                        "RWTexture1D",
                                        "RWTexture1DArray",
                                        "RWTexture2D",
                                        "RWTexture2DArray",
                                        "RWTexture3D",
                                        "StructuredBuffer",
                                        "RWStructuredBuffer",
                                        "AppendStructuredBuffer",
                                        "ConsumeStructuredBuffer",
                                        "ByteAddressBuffer",
                                        "RWByteAddressBuffer",
                                        "SamplerState",
                                        "SamplerComparisonState",
                                        "sampler",
                                        "sampler1D",
                                        "sampler2D",
                                        "sampler3D",
                                        "samplerCUBE"};

// Words that may stand between a type and a name that are no type.
bool IsDeclarationWord(const std::string& text) {
    static constexpr const char* kWords[] = {"return", "else",    "case",    "in",
                                             "out",    "inout",   "uniform", "const",
                                             "static", "typedef", "do",      "extern"};
    for (const char* word : kWords) {
        if (text == word) {
            return true;
        }
    }
    return false;
}

} // namespace

bool IsObjectKind(const std::string& text) {
    // Every kind starts with one of these letters and is at least 6 long: most
    // tokens are passed at once.
    if (text.size() < 6 || std::strchr("TRBSACs", text[0]) == nullptr) {
        return false;
    }
    for (const char* kind : kObjectKinds) {
        if (text == kind) {
            return true;
        }
    }
    return false;
}

std::map<std::string, DeclaredObject> DeclaredObjects(const Tokens& tokens) {
    std::map<std::string, DeclaredObject> objects;
    std::set<std::string> conflicting;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            (at > 0 && IsChar(tokens[at - 1], '.'))) {
            continue;
        }
        const bool object = IsObjectKind(tokens[at].text);
        size_t name = at + 1;
        if (object && IsChar(tokens[at + 1], '<')) {
            name = ClosingBracket(tokens, at + 1) + 1;
        }
        if (!IsIdentifier(tokens, name) || tokens[name].kind != HlslToken::Kind::Identifier ||
            IsDeclarationWord(tokens[at].text) || IsDeclarationWord(tokens[name].text)) {
            continue;
        }
        const std::string& text = tokens[name].text;
        if (!object) {
            // "float4 colours" elsewhere: the name means another thing there.
            conflicting.insert(text);
            continue;
        }
        const DeclaredObject declared{tokens[at].text, IsToken(tokens, name + 1, "[")};
        const auto found = objects.find(text);
        if (found != objects.end() && found->second.kind != declared.kind) {
            conflicting.insert(text);
        }
        objects[text] = declared;
    }
    for (const std::string& name : conflicting) {
        objects.erase(name);
    }
    return objects;
}

namespace {

// Components of the element type declared for `name` ("Texture2D<float2> name"
// gives 2, "Texture2D name" 4); 0 for a structure, an array or no object.
int ElementComponents(const Tokens& tokens, const std::string& name) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (!IsObjectKind(tokens[at].text) || (at > 0 && IsChar(tokens[at - 1], '.'))) {
            continue;
        }
        const bool templated = IsChar(tokens[at + 1], '<');
        const size_t declared = templated ? ClosingBracket(tokens, at + 1) + 1 : at + 1;
        if (!IsToken(tokens, declared, name.c_str()) || IsToken(tokens, declared + 1, "[")) {
            continue;
        }
        if (!templated) {
            return tokens[at].text.find("Texture") != std::string::npos ||
                           tokens[at].text.find("Buffer") == 0
                       ? 4
                       : 0;
        }
        NumericTypeName numeric;
        if (declared != at + 4 && !(declared == at + 6 && IsChar(tokens[at + 3], ','))) {
            return 0;
        }
        if (!ReadNumericTypeName(tokens[at + 2].text, &numeric) || numeric.columns != 0) {
            return 0;
        }
        return numeric.size == 0 ? 1 : numeric.size;
    }
    return 0;
}

} // namespace

int ObjectReadComponents(const Tokens& tokens, size_t first, size_t end) {
    if (first + 2 >= end || tokens[first].kind != HlslToken::Kind::Identifier) {
        return 0;
    }
    if (IsChar(tokens[first + 1], '[')) {
        return ClosingBracket(tokens, first + 1) + 1 == end
                   ? ElementComponents(tokens, tokens[first].text)
                   : 0;
    }
    if (first + 3 >= end || !IsChar(tokens[first + 1], '.') || !IsChar(tokens[first + 3], '(') ||
        ClosingBracket(tokens, first + 3) + 1 != end) {
        return 0;
    }
    const std::string& method = tokens[first + 2].text;
    if (method.rfind("Load", 0) == 0 && method.size() == 5 && method[4] >= '2' &&
        method[4] <= '4') {
        return method[4] - '0';
    }
    if (method.rfind("SampleCmp", 0) == 0 || method.rfind("CalculateLevelOfDetail", 0) == 0) {
        return 1;
    }
    const bool element = method == "Load" || method == "Sample" || method == "SampleLevel" ||
                         method == "SampleBias" || method == "SampleGrad" || method == "Consume";
    if (!element && method.rfind("Gather", 0) != 0) {
        return 0;
    }
    const int components = ElementComponents(tokens, tokens[first].text);
    return components != 0 && !element ? 4 : components;
}

} // namespace d3dcompiler_standin
