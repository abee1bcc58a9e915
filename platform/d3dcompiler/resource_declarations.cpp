#include "resource_declarations.h"
#include "numeric_type_names.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct ObjectKindName {
    const char* name;
    size_t length;
};

// With their lengths, so that most names are passed over without a compare:
// every compile reads each token through IsObjectKind.
constexpr ObjectKindName kObjectKinds[] = {{"Texture1D", 9},
                                           {"Texture1DArray", 14},
                                           {"Texture2D", 9},
                                           {"Texture2DArray", 14},
                                           {"Texture3D", 9},
                                           {"TextureCube", 11},
                                           {"TextureCubeArray", 16},
                                           {"Texture2DMS", 11},
                                           {"Texture2DMSArray", 16},
                                           {"Buffer", 6},
                                           {"RWBuffer", 8},
                                           {"RWTexture1D", 11},
                                           {"RWTexture1DArray", 16},
                                           {"RWTexture2D", 11},
                                           {"RWTexture2DArray", 16},
                                           {"RWTexture3D", 11},
                                           {"StructuredBuffer", 16},
                                           {"RWStructuredBuffer", 18},
                                           {"AppendStructuredBuffer", 22},
                                           {"ConsumeStructuredBuffer", 23},
                                           {"ByteAddressBuffer", 17},
                                           {"RWByteAddressBuffer", 19},
                                           {"SamplerState", 12},
                                           {"SamplerComparisonState", 22},
                                           {"sampler", 7},
                                           {"sampler1D", 9},
                                           {"sampler2D", 9},
                                           {"sampler3D", 9},
                                           {"samplerCUBE", 11}};

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

// Every kind starts with one of these letters and is at least 6 long: most
// tokens are passed at once.
bool MayBeObjectKind(const std::string& text) {
    if (text.size() < 6) {
        return false;
    }
    const char first = text[0];
    return first == 'T' || first == 'R' || first == 'B' || first == 'S' || first == 'A' ||
           first == 'C' || first == 's';
}

} // namespace

bool IsObjectKind(const std::string& text) {
    if (!MayBeObjectKind(text)) {
        return false;
    }
    for (const ObjectKindName& kind : kObjectKinds) {
        if (text.size() == kind.length && text[0] == kind.name[0] &&
            text.compare(0, kind.length, kind.name) == 0) {
            return true;
        }
    }
    return false;
}

bool DeclaresObjects(const Tokens& tokens) {
    for (const HlslToken& token : tokens) {
        if (MayBeObjectKind(token.text) && IsObjectKind(token.text)) {
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

// Components of the element type of the object whose kind is at `kind` and
// whose template closes at `close` (the kind itself without one).
int ElementComponents(const Tokens& tokens, size_t kind, size_t close) {
    if (close == kind) {
        const std::string& text = tokens[kind].text;
        if (text.find("ByteAddress") != std::string::npos) {
            return 1; // a raw buffer's Load gives a uint
        }
        return text.find("Texture") != std::string::npos || text == "Buffer" ? 4 : 0;
    }
    // "<float2>" or, for a multisampled texture, "<float2, 4>".
    if (close != kind + 3 && !(close == kind + 5 && IsChar(tokens[kind + 3], ','))) {
        return 0;
    }
    NumericTypeName numeric;
    if (!ReadNumericTypeName(tokens[kind + 2].text, &numeric) || numeric.columns != 0) {
        return 0;
    }
    return numeric.size == 0 ? 1 : numeric.size;
}

} // namespace

void AddObjectElements(const Tokens& tokens, std::map<std::string, int>* components) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (!IsObjectKind(tokens[at].text) || (at > 0 && IsChar(tokens[at - 1], '.'))) {
            continue;
        }
        const size_t close = IsChar(tokens[at + 1], '<') ? ClosingBracket(tokens, at + 1) : at;
        if (close + 1 < tokens.size() && tokens[close + 1].kind == HlslToken::Kind::Identifier &&
            !IsToken(tokens, close + 2, "[")) {
            (*components)["@" + tokens[close + 1].text] = ElementComponents(tokens, at, close);
        }
    }
}

int ObjectReadComponents(const Tokens& tokens, size_t first, size_t end,
                         const std::map<std::string, int>& components) {
    if (first + 2 >= end || tokens[first].kind != HlslToken::Kind::Identifier ||
        (!IsChar(tokens[first + 1], '[') && !IsChar(tokens[first + 1], '.'))) {
        return 0;
    }
    const auto declared = components.find("@" + tokens[first].text);
    if (declared == components.end() || declared->second == 0) {
        return 0;
    }
    if (IsChar(tokens[first + 1], '[')) {
        return ClosingBracket(tokens, first + 1) + 1 == end ? declared->second : 0;
    }
    if (first + 3 >= end || !IsChar(tokens[first + 3], '(') ||
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
    if (method.rfind("Gather", 0) == 0) {
        return 4;
    }
    const bool element = method == "Load" || method == "Sample" || method == "SampleLevel" ||
                         method == "SampleBias" || method == "SampleGrad" || method == "Consume";
    return element ? declared->second : 0;
}

} // namespace d3dcompiler_standin
