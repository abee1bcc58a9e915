#include "spirv_resource_arrays.h"
#include "spirv_module.h"

#include <spirv_words.h>

#include <spirv-tools/optimizer.hpp>

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kOpTypeImage = 25;
constexpr uint32_t kOpTypeSampler = 26;
constexpr uint32_t kOpTypeSampledImage = 27;
constexpr uint32_t kStorageUniformConstant = 0;
constexpr uint32_t kDecorationBinding = 33;
constexpr uint32_t kDecorationDescriptorSet = 34;
constexpr uint32_t kOpLoopMerge = 246;
constexpr uint32_t kLoopControlUnroll = 1;

bool IsResourceType(uint32_t op) {
    return op == kOpTypeImage || op == kOpTypeSampler || op == kOpTypeSampledImage;
}

// Whether any array type holds textures or samplers, read from the words
// alone: most modules have none and are not read further.
bool HasResourceArrays(const std::vector<uint32_t>& spirv) {
    std::set<uint32_t> resources;
    bool arrays = false;
    AnyInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (IsResourceType(op) && count > 1) {
            resources.insert(spirv[at + 1]);
        } else if (op == OpTypeArray && count > 2 && resources.count(spirv[at + 2]) != 0) {
            arrays = true;
        }
        return arrays || op == OpFunction; // the declarations end at the first function
    });
    return arrays;
}

struct ResourceArray {
    uint32_t variable = 0;
    uint32_t element = 0; // the element's type
    uint32_t length = 0;
    uint32_t set = 0;
    uint32_t binding = 0;
    bool bound = false;
};

uint32_t DecorationOf(const SpirvModule& module, uint32_t id, uint32_t decoration, bool* found) {
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 4 &&
            instruction[1] == id && instruction[2] == decoration) {
            *found = true;
            return instruction[3];
        }
    }
    return 0;
}

std::vector<ResourceArray> FindResourceArrays(const SpirvModule& module) {
    std::vector<ResourceArray> arrays;
    const size_t end = module.FirstFunction();
    for (size_t i = 0; i < end; ++i) {
        const SpirvInstruction& variable = module.instructions()[i];
        if (OpcodeOf(variable) != OpVariable || variable.size() < 4 ||
            variable[3] != kStorageUniformConstant) {
            continue;
        }
        const SpirvInstruction* pointer = module.Definition(variable[1]);
        const SpirvInstruction* array = pointer ? module.Definition((*pointer)[3]) : nullptr;
        const SpirvInstruction* element = array ? module.Definition((*array)[2]) : nullptr;
        if (array == nullptr || OpcodeOf(*array) != OpTypeArray || element == nullptr ||
            !IsResourceType(OpcodeOf(*element))) {
            continue;
        }
        ResourceArray found{variable[2], (*array)[2], ConstantValue(module, (*array)[3])};
        bool hasSet = false;
        found.set = DecorationOf(module, found.variable, kDecorationDescriptorSet, &hasSet);
        found.binding = DecorationOf(module, found.variable, kDecorationBinding, &found.bound);
        if (found.bound && hasSet && found.length > 0) {
            arrays.push_back(found);
        }
    }
    return arrays;
}

// The element each access chain into `array` names, by the chain's result;
// false where an index is no constant in range or a chain is used otherwise
// than loaded from.
bool ConstantElements(const SpirvModule& module, const ResourceArray& array,
                      std::map<uint32_t, uint32_t>* elements) {
    const auto& instructions = module.instructions();
    for (size_t i = module.FirstFunction(); i < instructions.size(); ++i) {
        const SpirvInstruction& chain = instructions[i];
        const uint32_t op = OpcodeOf(chain);
        if ((op != OpAccessChain && op != OpInBoundsAccessChain) || chain.size() < 4 ||
            chain[3] != array.variable) {
            continue;
        }
        const SpirvInstruction* index = chain.size() == 5 ? module.Definition(chain[4]) : nullptr;
        if (index == nullptr || OpcodeOf(*index) != OpConstant ||
            ConstantValue(module, chain[4]) >= array.length) {
            return false;
        }
        (*elements)[chain[2]] = ConstantValue(module, chain[4]);
    }
    // Ids are looked for in the functions and the entry points' interfaces
    // only: the words of capabilities and decorations are no ids.
    for (size_t i = 0; i < instructions.size(); ++i) {
        const SpirvInstruction& use = instructions[i];
        const uint32_t op = OpcodeOf(use);
        const bool own =
            (op == OpAccessChain || op == OpInBoundsAccessChain) && elements->count(use[2]) != 0;
        const bool read = i >= module.FirstFunction() || op == OpEntryPoint;
        for (size_t word = 1; read && !own && word < use.size(); ++word) {
            const bool loadedFrom = op == OpLoad && word == 3;
            if (!loadedFrom && (use[word] == array.variable || elements->count(use[word]) != 0)) {
                return false;
            }
        }
    }
    return true;
}

void Split(SpirvModule& module, const ResourceArray& array,
           const std::map<uint32_t, uint32_t>& elements) {
    const uint32_t pointer = module.FindOrDeclare(
        MakeInstruction(OpTypePointer, {0, kStorageUniformConstant, array.element}));
    std::vector<uint32_t> variables;
    for (uint32_t i = 0; i < array.length; ++i) {
        variables.push_back(module.NewId());
        module.Declare(
            MakeInstruction(OpVariable, {pointer, variables.back(), kStorageUniformConstant}));
    }
    auto& instructions = module.instructions();
    for (size_t i = 0; i < instructions.size(); ++i) {
        SpirvInstruction& instruction = instructions[i];
        const uint32_t op = OpcodeOf(instruction);
        if (op == OpLoad && elements.count(instruction[3]) != 0) {
            instruction[3] = variables[elements.at(instruction[3])];
        } else if (((op == OpAccessChain || op == OpInBoundsAccessChain) &&
                    elements.count(instruction[2]) != 0) ||
                   (op == OpVariable && instruction[2] == array.variable) ||
                   ((op == OpDecorate || op == OpName) && instruction[1] == array.variable)) {
            module.Erase(i--);
        }
    }
    for (uint32_t i = 0; i < array.length; ++i) {
        const size_t place = AnnotationPlace(module);
        module.Insert(place, MakeInstruction(OpDecorate, {variables[i], kDecorationBinding,
                                                          array.binding + i}));
        module.Insert(place, MakeInstruction(OpDecorate,
                                             {variables[i], kDecorationDescriptorSet, array.set}));
    }
}

// Windows' compiler unrolls a loop whose counter indexes a resource array,
// so that each index is a literal; glslang unrolls only loops marked
// [unroll]. Every loop without other loop controls is marked and
// SPIRV-Tools unrolls those it can (constant bounds). False where nothing
// changed.
bool UnrollLoops(std::vector<uint32_t>* spirv) {
    bool marked = false;
    std::vector<uint32_t>& words = *spirv;
    const bool wellFormed = ForEachInstruction(words, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == kOpLoopMerge && count == 4 && words[at + 3] != kLoopControlUnroll) {
            words[at + 3] = kLoopControlUnroll;
            marked = true;
        }
    });
    if (!wellFormed) {
        return false;
    }
    if (!marked) {
        return false;
    }
    spvtools::Optimizer optimizer(SPV_ENV_VULKAN_1_1);
    optimizer.SetMessageConsumer(
        [](spv_message_level_t, const char*, const spv_position_t&, const char*) {});
    optimizer.RegisterPass(spvtools::CreateLoopUnrollPass(true))
        .RegisterPass(spvtools::CreateCCPPass())
        .RegisterPass(spvtools::CreateSimplificationPass())
        .RegisterPass(spvtools::CreateAggressiveDCEPass());
    spvtools::OptimizerOptions options;
    options.set_run_validator(false);
    std::vector<uint32_t> unrolled;
    if (!optimizer.Run(spirv->data(), spirv->size(), &unrolled, options)) {
        return false;
    }
    *spirv = std::move(unrolled);
    return true;
}

} // namespace

void SplitResourceArrays(std::vector<uint32_t>* spirv) {
    if (!HasResourceArrays(*spirv)) {
        return;
    }
    SpirvModule module;
    if (!module.Read(*spirv)) {
        return;
    }
    bool changed = false;
    bool indexedInLoops = false;
    for (const ResourceArray& array : FindResourceArrays(module)) {
        std::map<uint32_t, uint32_t> elements;
        if (ConstantElements(module, array, &elements)) {
            Split(module, array, elements);
            changed = true;
        } else {
            indexedInLoops = true;
        }
    }
    if (changed) {
        *spirv = module.Write();
    }
    if (indexedInLoops && UnrollLoops(spirv)) {
        SplitResourceArrays(spirv);
    }
}

} // namespace d3dcompiler_standin
