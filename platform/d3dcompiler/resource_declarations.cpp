#include "resource_declarations.h"

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

} // namespace d3dcompiler_standin
