#include "domain_distances.h"

#include "spirv_module.h"

#include <spirv_words.h>

#include <cstring>
#include <map>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kBuiltInClipDistance = 3;
constexpr uint32_t kBuiltInCullDistance = 4;
constexpr uint32_t kCapabilityClipDistance = 32;
constexpr uint32_t kCapabilityCullDistance = 33;
constexpr uint32_t kDecorationComponent = 31;
constexpr uint32_t kStorageOutput = 3;

struct DistanceName {
    const char* semantic;
    const char* standIn;
    uint32_t builtIn;
    uint32_t capability;
};
constexpr DistanceName kDistances[] = {
    {"SV_ClipDistance", "BRENNWICK_CLIPDIST", kBuiltInClipDistance, kCapabilityClipDistance},
    {"SV_CullDistance", "BRENNWICK_CULLDIST", kBuiltInCullDistance, kCapabilityCullDistance},
};

struct DistanceOutput {
    uint32_t variable = 0;
    const DistanceName* name = nullptr;
    std::string index; // the semantic's digits
};

std::vector<uint32_t> LiteralString(const std::string& text) {
    std::vector<uint32_t> words((text.size() + 4) / 4, 0);
    for (size_t i = 0; i < text.size(); ++i) {
        words[i / 4] |= uint32_t(uint8_t(text[i])) << (8 * (i % 4));
    }
    return words;
}

// The outputs named with the stand-in's semantics, one a built-in; a
// built-in named twice is left out.
std::map<uint32_t, DistanceOutput> FindDistanceOutputs(const SpirvModule& module) {
    std::map<uint32_t, DistanceOutput> outputs; // by built-in
    std::map<uint32_t, int> named;
    const std::vector<SpirvInstruction>& all = module.instructions();
    for (const SpirvInstruction& decoration : all) {
        if (OpcodeOf(decoration) != OpDecorateString || decoration.size() < 4 ||
            decoration[2] != kDecorationUserSemantic) {
            continue;
        }
        const std::vector<uint32_t> words(decoration.begin(), decoration.end());
        const std::string semantic = ReadLiteralString(words, 3, words.size());
        for (const DistanceName& name : kDistances) {
            const size_t length = std::strlen(name.standIn);
            if (strncasecmp(semantic.c_str(), name.standIn, length) == 0) {
                outputs[name.builtIn] = {decoration[1], &name, semantic.substr(length)};
                ++named[name.builtIn];
            }
        }
    }
    for (const auto& [builtIn, count] : named) {
        if (count > 1) {
            outputs.erase(builtIn);
        }
    }
    return outputs;
}

// Whether every use of `variable` in the functions is a store to it or an
// access chain into it.
bool OnlyStoredAndIndexed(const SpirvModule& module, uint32_t variable) {
    const std::vector<SpirvInstruction>& all = module.instructions();
    for (size_t at = module.FirstFunction(); at < all.size(); ++at) {
        const SpirvInstruction& instruction = all[at];
        const uint32_t op = OpcodeOf(instruction);
        for (size_t word = 1; word < instruction.size(); ++word) {
            const bool allowed =
                (op == OpStore && word == 1) ||
                ((op == OpAccessChain || op == OpInBoundsAccessChain) && word == 3);
            if (instruction[word] == variable && !allowed) {
                return false;
            }
        }
    }
    return true;
}

// The variable's declaration moved past the array types it is given.
void RetypeVariable(SpirvModule& module, uint32_t variable, uint32_t floatType, uint32_t components,
                    uint32_t* floatPointer) {
    const uint32_t uintType = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 0}));
    const uint32_t length =
        module.FindOrDeclare(MakeInstruction(OpConstant, {uintType, 0, components}));
    const uint32_t array =
        module.FindOrDeclare(MakeInstruction(OpTypeArray, {0, floatType, length}));
    const uint32_t pointer =
        module.FindOrDeclare(MakeInstruction(OpTypePointer, {0, kStorageOutput, array}));
    *floatPointer =
        module.FindOrDeclare(MakeInstruction(OpTypePointer, {0, kStorageOutput, floatType}));
    std::vector<SpirvInstruction>& all = module.instructions();
    for (size_t at = 0; at < all.size(); ++at) {
        if (OpcodeOf(all[at]) == OpVariable && all[at][2] == variable) {
            SpirvInstruction declaration = all[at];
            declaration[1] = pointer;
            module.Erase(at);
            module.Declare(declaration);
            return;
        }
    }
}

// Each store of the whole value a store of each of its components.
void SplitStores(SpirvModule& module, uint32_t variable, uint32_t floatType, uint32_t floatPointer,
                 uint32_t components) {
    const uint32_t uintType = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 0}));
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < components; ++i) {
        indices.push_back(module.FindOrDeclare(MakeInstruction(OpConstant, {uintType, 0, i})));
    }
    for (size_t at = module.FirstFunction(); at < module.instructions().size(); ++at) {
        const SpirvInstruction store = module.instructions()[at];
        if (OpcodeOf(store) != OpStore || store[1] != variable) {
            continue;
        }
        module.Erase(at);
        for (uint32_t i = 0; i < components; ++i) {
            uint32_t value = store[2];
            if (components > 1) {
                value = module.NewId();
                module.Insert(at++,
                              MakeInstruction(OpCompositeExtract, {floatType, value, store[2], i}));
            }
            const uint32_t element = module.NewId();
            module.Insert(at++, MakeInstruction(OpAccessChain,
                                                {floatPointer, element, variable, indices[i]}));
            module.Insert(at++, MakeInstruction(OpStore, {element, value}));
        }
        --at;
    }
}

// The output's decorations: no location or component, the built-in, the
// semantic as written.
void Redecorate(SpirvModule& module, const DistanceOutput& output) {
    std::vector<SpirvInstruction>& all = module.instructions();
    for (size_t at = 0; at < all.size(); ++at) {
        const uint32_t op = OpcodeOf(all[at]);
        if (op == OpDecorate && all[at][1] == output.variable &&
            (all[at][2] == kDecorationLocation || all[at][2] == kDecorationComponent)) {
            module.Erase(at--);
        } else if (op == OpDecorateString && all[at][1] == output.variable &&
                   all[at][2] == kDecorationUserSemantic) {
            SpirvInstruction semantic = {0, output.variable, kDecorationUserSemantic};
            for (uint32_t word : LiteralString(output.name->semantic + output.index)) {
                semantic.push_back(word);
            }
            semantic[0] = uint32_t(semantic.size()) << 16 | OpDecorateString;
            all[at] = semantic;
        }
    }
    module.Insert(
        AnnotationPlace(module),
        MakeInstruction(OpDecorate, {output.variable, kDecorationBuiltIn, output.name->builtIn}));
    module.Insert(0, MakeInstruction(OpCapability, {output.name->capability}));
}

bool MakeBuiltIn(SpirvModule& module, const DistanceOutput& output) {
    const uint32_t pointer = module.TypeOf(output.variable);
    const SpirvInstruction* pointerType = module.Definition(pointer);
    if (pointerType == nullptr || OpcodeOf(*pointerType) != OpTypePointer ||
        !module.IsFloat32((*pointerType)[3]) || !OnlyStoredAndIndexed(module, output.variable)) {
        return false;
    }
    const uint32_t components = module.ComponentCount((*pointerType)[3]);
    const uint32_t floatType = module.ScalarTypeOf((*pointerType)[3]);
    uint32_t floatPointer = 0;
    RetypeVariable(module, output.variable, floatType, components, &floatPointer);
    SplitStores(module, output.variable, floatType, floatPointer, components);
    Redecorate(module, output);
    return true;
}

} // namespace

bool NamesDistances(const std::string& text) {
    return strcasestr(text.c_str(), "SV_ClipDistance") != nullptr ||
           strcasestr(text.c_str(), "SV_CullDistance") != nullptr;
}

std::string WithDistancesAsPlainOutputs(std::string text) {
    for (const DistanceName& name : kDistances) {
        for (const char* found = strcasestr(text.c_str(), name.semantic); found != nullptr;
             found = strcasestr(text.c_str(), name.semantic)) {
            text.replace(size_t(found - text.c_str()), std::strlen(name.semantic), name.standIn);
        }
    }
    return text;
}

void MakeDistancesBuiltIn(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (spirv->empty() || !module.Read(*spirv)) {
        return;
    }
    bool changed = false;
    for (const auto& [builtIn, output] : FindDistanceOutputs(module)) {
        changed |= MakeBuiltIn(module, output);
    }
    if (changed) {
        *spirv = module.Write();
    }
}

} // namespace d3dcompiler_standin
