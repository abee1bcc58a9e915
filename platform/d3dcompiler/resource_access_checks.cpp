#include "resource_access_checks.h"
#include "call_shapes.h"

#include <cstring>
#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// What one kind of object offers: its members and methods (a space-separated
// list), the components its [] takes (0: none), and whether it must name its
// element type. From the methods each object's page on learn.microsoft.com
// lists (sm5-object-*, dx-graphics-hlsl-to-*).
struct ObjectKind {
    const char* name;
    const char* members;
    uint32_t indexComponents;
    bool needsElement;
};

// Texture1D and Texture1DArray have no Gather; Texture3D neither Gather nor
// comparison sampling (sm5-object-texture1d, -texture1darray, -texture3d).
constexpr const char* kSampledLine = " CalculateLevelOfDetail CalculateLevelOfDetailUnclamped "
                                     "GetDimensions Load Sample SampleBias SampleCmp "
                                     "SampleCmpLevelZero SampleGrad SampleLevel mips ";
constexpr const char* kSampledVolume = " CalculateLevelOfDetail CalculateLevelOfDetailUnclamped "
                                       "GetDimensions Load Sample SampleBias SampleGrad "
                                       "SampleLevel mips ";
constexpr const char* kSampled = " CalculateLevelOfDetail CalculateLevelOfDetailUnclamped Gather "
                                 "GatherRed GatherGreen GatherBlue GatherAlpha GatherCmp "
                                 "GatherCmpRed GatherCmpGreen GatherCmpBlue GatherCmpAlpha "
                                 "GetDimensions Load Sample SampleBias SampleCmp "
                                 "SampleCmpLevelZero SampleGrad SampleLevel mips ";
constexpr const char* kCube = " CalculateLevelOfDetail CalculateLevelOfDetailUnclamped Gather "
                              "GatherRed GatherGreen GatherBlue GatherAlpha GatherCmp "
                              "GatherCmpRed GatherCmpGreen GatherCmpBlue GatherCmpAlpha "
                              "GetDimensions Sample SampleBias SampleCmp SampleCmpLevelZero "
                              "SampleGrad SampleLevel ";
constexpr const char* kMultisampled = " GetDimensions GetSamplePosition Load sample ";
constexpr const char* kReadWrite = " GetDimensions Load ";
constexpr const char* kRawReads = " GetDimensions Load Load2 Load3 Load4 ";
constexpr const char* kRawWrites =
    " GetDimensions Load Load2 Load3 Load4 Store Store2 Store3 Store4 InterlockedAdd "
    "InterlockedAnd InterlockedCompareExchange InterlockedCompareStore InterlockedExchange "
    "InterlockedMax InterlockedMin InterlockedOr InterlockedXor ";

constexpr ObjectKind kObjects[] = {
    {"Texture1D", kSampledLine, 1, false},
    {"Texture1DArray", kSampledLine, 2, false},
    {"Texture2D", kSampled, 2, false},
    {"Texture2DArray", kSampled, 3, false},
    {"Texture3D", kSampledVolume, 3, false},
    {"TextureCube", kCube, 0, false},
    {"TextureCubeArray", kCube, 0, false},
    {"Texture2DMS", kMultisampled, 2, true},
    {"Texture2DMSArray", kMultisampled, 3, true},
    {"Buffer", kReadWrite, 1, false},
    {"RWBuffer", kReadWrite, 1, true},
    {"RWTexture1D", kReadWrite, 1, true},
    {"RWTexture1DArray", kReadWrite, 2, true},
    {"RWTexture2D", kReadWrite, 2, true},
    {"RWTexture2DArray", kReadWrite, 3, true},
    {"RWTexture3D", kReadWrite, 3, true},
    {"StructuredBuffer", " GetDimensions Load ", 1, false},
    {"RWStructuredBuffer", " GetDimensions Load IncrementCounter DecrementCounter ", 1, false},
    {"AppendStructuredBuffer", " Append GetDimensions ", 0, false},
    {"ConsumeStructuredBuffer", " Consume GetDimensions ", 0, false},
    {"ByteAddressBuffer", kRawReads, 0, false},
    {"RWByteAddressBuffer", kRawWrites, 0, false},
};

const ObjectKind* KindNamed(const std::string& name) {
    // Every kind's name starts with one of these and is at least 6 long: most
    // tokens are passed at once.
    if (name.size() < 6 || std::strchr("TRBSAC", name[0]) == nullptr) {
        return nullptr;
    }
    for (const ObjectKind& kind : kObjects) {
        if (name == kind.name) {
            return &kind;
        }
    }
    return nullptr;
}

bool Offers(const ObjectKind& kind, const std::string& member) {
    return std::strstr(kind.members, (" " + member + " ").c_str()) != nullptr;
}

struct Declared {
    const ObjectKind* kind;
};

void Report(const HlslToken& at, const std::string& message, const char* code,
            std::string* errors) {
    *errors += SourceError(at, message, code) + "\n";
}

// Objects declared "Kind name" or "Kind<element> name"; a kind that needs its
// element type and is written without it is reported.
std::map<std::string, Declared> DeclaredObjects(const Tokens& tokens, std::string* errors) {
    std::map<std::string, Declared> objects;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const ObjectKind* kind = KindNamed(tokens[at].text);
        if (kind == nullptr || (at > 0 && tokens[at - 1].text == ".")) {
            continue;
        }
        Declared declared{kind};
        size_t name = at + 1;
        if (IsToken(tokens, at + 1, "<")) {
            name = ClosingBracket(tokens, at + 1) + 1;
        } else if (kind->needsElement && IsIdentifier(tokens, name)) {
            Report(tokens[name], "syntax error: unexpected token '" + tokens[name].text + "'",
                   "X3000", errors);
        }
        // Arrays of objects ("Texture2D maps[4]") are indexed by element first:
        // left to glslang.
        if (IsIdentifier(tokens, name) && !IsToken(tokens, name + 1, "[")) {
            objects[tokens[name].text] = declared;
        }
    }
    return objects;
}

bool IsModifierOrKeyword(const std::string& text) {
    static constexpr const char* kWords[] = {
        "return",           "else",   "case",        "in",     "out",      "inout",
        "uniform",          "const",  "static",      "extern", "volatile", "precise",
        "globallycoherent", "shared", "groupshared", "do",     "typedef"};
    for (const char* word : kWords) {
        if (text == word) {
            return true;
        }
    }
    return false;
}

// Names also declared with another type somewhere ("float4 colours" in one
// function, "Texture2D colours" in another) are left to glslang, which knows
// scopes.
void DropRedeclared(const Tokens& tokens, std::map<std::string, Declared>* objects) {
    for (size_t at = 1; at < tokens.size(); ++at) {
        const auto found = objects->find(tokens[at].text);
        if (found != objects->end() && IsIdentifier(tokens, at) && IsIdentifier(tokens, at - 1) &&
            KindNamed(tokens[at - 1].text) == nullptr &&
            !IsModifierOrKeyword(tokens[at - 1].text)) {
            objects->erase(found);
        }
    }
}

class AccessChecker {
public:
    AccessChecker(const Tokens& tokens, std::string* errors)
        : tokens_(tokens), errors_(errors), objects_(DeclaredObjects(tokens, errors)) {
        if (!objects_.empty()) {
            DropRedeclared(tokens, &objects_);
        }
    }

    void Run() {
        if (objects_.empty()) {
            return;
        }
        for (size_t at = 0; at + 1 < tokens_.size(); ++at) {
            const auto object = objects_.find(tokens_[at].text);
            if (object == objects_.end() || !IsIdentifier(tokens_, at) ||
                (at > 0 && (tokens_[at - 1].text == "." || KindNamed(tokens_[at - 1].text)))) {
                continue;
            }
            if (tokens_[at + 1].text == ".") {
                CheckMember(at + 2, object->second);
            } else if (tokens_[at + 1].text == "[") {
                CheckIndex(at, at + 1, object->second.kind->indexComponents, object->second);
            }
        }
    }

private:
    void CheckMember(size_t member, const Declared& object) {
        if (!IsIdentifier(tokens_, member)) {
            return;
        }
        const std::string& name = tokens_[member].text;
        if (!Offers(*object.kind, name)) {
            Report(tokens_[member], "invalid subscript '" + name + "'", "X3018", errors_);
        } else if (name == "mips" && IsToken(tokens_, member + 1, "[")) {
            const size_t level = ClosingBracket(tokens_, member + 1);
            if (IsToken(tokens_, level + 1, "[")) {
                CheckIndex(member, level + 1, object.kind->indexComponents, object);
            }
        }
    }

    void CheckIndex(size_t at, size_t open, uint32_t components, const Declared& object) {
        if (components == 0) {
            // TextureCube, TextureCubeArray, AppendStructuredBuffer, ConsumeStructuredBuffer
            if (std::strchr("TAC", object.kind->name[0]) != nullptr) {
                Report(tokens_[open],
                       "array, matrix, vector, or indexable object type expected in index "
                       "expression",
                       "X3121", errors_);
            }
            return;
        }
        const size_t close = ClosingBracket(tokens_, open);
        if (close >= tokens_.size()) {
            return;
        }
        if (!read_) {
            declared_ = DeclaredShapes(tokens_);
            read_ = true;
        }
        const bool literal = close == open + 2 && tokens_[open + 1].kind == HlslToken::Kind::Number;
        const std::optional<NumericShape> index =
            literal ? NumericShape{"int", 1} : ArgumentShape(tokens_, open + 1, close, declared_);
        if (index && index->components != components) {
            Report(tokens_[at],
                   "invalid type for index - index must be a scalar, or a vector with the "
                   "correct number of dimensions",
                   "X3120", errors_);
        }
    }

    const Tokens& tokens_;
    std::string* errors_;
    std::map<std::string, Declared> objects_;
    std::map<std::string, std::optional<NumericShape>> declared_;
    bool read_ = false;
};

} // namespace

void CheckResourceAccess(const Tokens& tokens, std::string* errors) {
    AccessChecker(tokens, errors).Run();
}

} // namespace d3dcompiler_standin
