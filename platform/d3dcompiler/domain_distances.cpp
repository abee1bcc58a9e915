#include "domain_distances.h"

#include "spirv_module.h"

#include <spirv_words.h>

#include <algorithm>
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
constexpr uint32_t kOpIAdd = 128;

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

struct DistanceVariable {
    uint32_t variable = 0;
    bool output = false; // else an input, which keeps its semantic only
    const DistanceName* name = nullptr;
    std::string index; // the semantic's digits
};

// The variables named with the stand-in's semantics.
std::vector<DistanceVariable> FindDistanceVariables(const SpirvModule& module) {
    std::vector<DistanceVariable> variables;
    for (const SpirvInstruction& decoration : module.instructions()) {
        if (OpcodeOf(decoration) != OpDecorateString || decoration.size() < 4 ||
            decoration[2] != kDecorationUserSemantic) {
            continue;
        }
        const std::vector<uint32_t> words(decoration.begin(), decoration.end());
        const std::string semantic = ReadLiteralString(words, 3, words.size());
        for (const DistanceName& name : kDistances) {
            const size_t length = std::strlen(name.standIn);
            if (strncasecmp(semantic.c_str(), name.standIn, length) == 0) {
                const SpirvInstruction* variable = module.Definition(decoration[1]);
                const bool output = variable != nullptr && OpcodeOf(*variable) == OpVariable &&
                                    (*variable)[3] == kStorageOutput;
                variables.push_back({decoration[1], output, &name, semantic.substr(length)});
            }
        }
    }
    return variables;
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

// Where one output's components lie in the built-in's array.
struct Placement {
    uint32_t variable = 0;   // the output's own
    uint32_t offset = 0;     // its first component's element
    uint32_t components = 0; // its components
};

uint32_t UintConstant(SpirvModule& module, uint32_t value) {
    const uint32_t uintType = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 0}));
    return module.FindOrDeclare(MakeInstruction(OpConstant, {uintType, 0, value}));
}

// Each store of the output's whole value a store of each of its components
// into their elements of `array`.
void SplitStores(SpirvModule& module, const Placement& output, uint32_t array, uint32_t floatType,
                 uint32_t floatPointer) {
    std::vector<uint32_t> indices; // declared first, so that no declaration moves the code
    for (uint32_t i = 0; i < output.components; ++i) {
        indices.push_back(UintConstant(module, output.offset + i));
    }
    for (size_t at = module.FirstFunction(); at < module.instructions().size(); ++at) {
        const SpirvInstruction store = module.instructions()[at];
        if (OpcodeOf(store) != OpStore || store[1] != output.variable) {
            continue;
        }
        module.Erase(at);
        for (uint32_t i = 0; i < output.components; ++i) {
            uint32_t value = store[2];
            if (output.components > 1) {
                value = module.NewId();
                module.Insert(at++,
                              MakeInstruction(OpCompositeExtract, {floatType, value, store[2], i}));
            }
            const uint32_t element = module.NewId();
            module.Insert(
                at++, MakeInstruction(OpAccessChain, {floatPointer, element, array, indices[i]}));
            module.Insert(at++, MakeInstruction(OpStore, {element, value}));
        }
        --at;
    }
}

// Each access chain into the output one into `array` at its offset.
void RebaseAccessChains(SpirvModule& module, const Placement& output, uint32_t array) {
    const uint32_t offset = UintConstant(module, output.offset);
    for (size_t at = module.FirstFunction(); at < module.instructions().size(); ++at) {
        SpirvInstruction chain = module.instructions()[at];
        const uint32_t op = OpcodeOf(chain);
        if ((op != OpAccessChain && op != OpInBoundsAccessChain) || chain.size() < 5 ||
            chain[3] != output.variable) {
            continue;
        }
        chain[3] = array;
        if (output.offset != 0) {
            const uint32_t index = module.NewId();
            module.Insert(
                at++, MakeInstruction(kOpIAdd, {module.TypeOf(chain[4]), index, chain[4], offset}));
            chain[4] = index;
        }
        module.instructions()[at] = chain;
    }
}

// The output's variable gone: its declaration, names, decorations and place
// in the entry point's interface.
void RemoveVariable(SpirvModule& module, uint32_t variable) {
    std::vector<SpirvInstruction>& all = module.instructions();
    for (size_t at = 0; at < all.size(); ++at) {
        const uint32_t op = OpcodeOf(all[at]);
        if (op == OpEntryPoint) {
            SpirvInstruction entry = all[at];
            entry.erase(std::remove(entry.begin() + 3, entry.end(), variable), entry.end());
            entry[0] = uint32_t(entry.size()) << 16 | OpEntryPoint;
            all[at] = entry;
        } else if ((op == OpVariable && all[at][2] == variable) ||
                   ((op == OpName || op == OpDecorate || op == OpDecorateString) &&
                    all[at][1] == variable)) {
            module.Erase(at--);
        }
    }
}

// The output's semantic as the source wrote it.
void RestoreSemantic(SpirvModule& module, const DistanceVariable& output) {
    for (SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorateString && instruction[1] == output.variable &&
            instruction[2] == kDecorationUserSemantic) {
            SpirvInstruction semantic = {0, output.variable, kDecorationUserSemantic};
            for (uint32_t word : WriteLiteralString(output.name->semantic + output.index)) {
                semantic.push_back(word);
            }
            semantic[0] = uint32_t(semantic.size()) << 16 | OpDecorateString;
            instruction = semantic;
        }
    }
}

// The output's decorations: no location or component, the built-in.
void DecorateBuiltIn(SpirvModule& module, const DistanceVariable& output) {
    std::vector<SpirvInstruction>& all = module.instructions();
    for (size_t at = 0; at < all.size(); ++at) {
        if (OpcodeOf(all[at]) == OpDecorate && all[at][1] == output.variable &&
            (all[at][2] == kDecorationLocation || all[at][2] == kDecorationComponent)) {
            module.Erase(at--);
        }
    }
    module.Insert(
        AnnotationPlace(module),
        MakeInstruction(OpDecorate, {output.variable, kDecorationBuiltIn, output.name->builtIn}));
    module.Insert(0, MakeInstruction(OpCapability, {output.name->capability}));
}

// Whether `type` is an array of 32-bit float scalars, as the built-ins are.
bool IsFloatArray(const SpirvModule& module, uint32_t type) {
    const SpirvInstruction* array = module.Definition(type);
    return array != nullptr && OpcodeOf(*array) == OpTypeArray && module.IsFloat32((*array)[2]) &&
           module.ComponentCount((*array)[2]) == 1;
}

// The components of a float or float vector output only stored to and
// indexed; 0 for another.
uint32_t PlainComponents(const SpirvModule& module, uint32_t variable) {
    const SpirvInstruction* pointer = module.Definition(module.TypeOf(variable));
    if (pointer == nullptr || OpcodeOf(*pointer) != OpTypePointer ||
        !module.IsFloat32((*pointer)[3]) || !OnlyStoredAndIndexed(module, variable)) {
        return 0;
    }
    return module.ComponentCount((*pointer)[3]);
}

// The outputs of one built-in made one array of it, the first's variable,
// their components one after another: where each is a float or float vector
// only stored to and indexed, or a lone array of floats.
void MakeBuiltIn(SpirvModule& module, const std::vector<DistanceVariable>& outputs) {
    const uint32_t first = outputs[0].variable;
    const SpirvInstruction* pointer = module.Definition(module.TypeOf(first));
    if (outputs.size() == 1 && pointer != nullptr && OpcodeOf(*pointer) == OpTypePointer &&
        IsFloatArray(module, (*pointer)[3])) {
        DecorateBuiltIn(module, outputs[0]);
        return;
    }
    std::vector<Placement> placements;
    uint32_t total = 0;
    for (const DistanceVariable& output : outputs) {
        const uint32_t components = PlainComponents(module, output.variable);
        if (components == 0) {
            return;
        }
        placements.push_back({output.variable, total, components});
        total += components;
    }
    const uint32_t floatType = module.ScalarTypeOf(module.Definition(module.TypeOf(first))->at(3));
    uint32_t floatPointer = 0;
    RetypeVariable(module, first, floatType, total, &floatPointer);
    for (const Placement& placement : placements) {
        SplitStores(module, placement, first, floatType, floatPointer);
        RebaseAccessChains(module, placement, first);
        if (placement.variable != first) {
            RemoveVariable(module, placement.variable);
        }
    }
    DecorateBuiltIn(module, outputs[0]);
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
    const std::vector<DistanceVariable> variables = FindDistanceVariables(module);
    for (const DistanceVariable& variable : variables) {
        RestoreSemantic(module, variable);
    }
    for (const DistanceName& name : kDistances) {
        std::vector<DistanceVariable> outputs;
        for (const DistanceVariable& variable : variables) {
            if (variable.output && variable.name == &name) {
                outputs.push_back(variable);
            }
        }
        if (!outputs.empty()) {
            MakeBuiltIn(module, outputs);
        }
    }
    if (!variables.empty()) {
        *spirv = module.Write();
    }
}

} // namespace d3dcompiler_standin
