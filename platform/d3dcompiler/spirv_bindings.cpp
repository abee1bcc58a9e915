#include "spirv_bindings.h"
#include "spirv_module.h"

#include <register_bindings.h>
#include <spirv_words.h>

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

constexpr uint32_t kOpTypeImage = 25;
constexpr uint32_t kOpTypeArray = 28;
constexpr uint32_t kOpTypeRuntimeArray = 29;
constexpr uint32_t kOpTypePointer = 32;
constexpr uint32_t kOpVariable = 59;
constexpr uint32_t kOpDecorate = 71;
constexpr uint32_t kOpDecorateId = 332;
constexpr uint32_t kDecorationBinding = 33;
constexpr uint32_t kDecorationDescriptorSet = 34;
constexpr uint32_t kDecorationCounterBuffer = 5634; // HlslCounterBufferGOOGLE
constexpr uint32_t kSampledBySampler = 1;           // OpTypeImage's Sampled operand

// The variables whose type is a sampled image or an array of them.
std::set<uint32_t> TextureVariables(const std::vector<SpirvInstruction>& instructions) {
    std::set<uint32_t> textures; // type ids, then variable ids
    std::map<uint32_t, uint32_t> pointees;
    std::set<uint32_t> variables;
    for (const SpirvInstruction& instruction : instructions) {
        const uint32_t op = OpcodeOf(instruction);
        if (op == kOpTypeImage && instruction.size() > 7 && instruction[7] == kSampledBySampler) {
            textures.insert(instruction[1]);
        } else if ((op == kOpTypeArray || op == kOpTypeRuntimeArray) && instruction.size() > 2 &&
                   textures.count(instruction[2]) != 0) {
            textures.insert(instruction[1]);
        } else if (op == kOpTypePointer && instruction.size() > 3) {
            pointees[instruction[1]] = instruction[3];
        } else if (op == kOpVariable && instruction.size() > 2) {
            const auto pointee = pointees.find(instruction[1]);
            if (pointee != pointees.end() && textures.count(pointee->second) != 0) {
                variables.insert(instruction[2]);
            }
        }
    }
    return variables;
}

// Whether the module declares an image type, found without reading the
// whole module, which a shader without textures need not do.
bool HasImageTypes(const std::vector<uint32_t>& spirv) {
    return dxbc::spirv::AnyInstruction(
        spirv, [](size_t, uint32_t op, uint32_t) { return op == kOpTypeImage; });
}

} // namespace

void ShiftUnshiftedTextureBindings(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (!HasImageTypes(*spirv) || !module.Read(*spirv)) {
        return;
    }
    const uint32_t base = dxbc::BindingBase(dxbc::RegisterClass::ShaderResource);
    const std::set<uint32_t> textures = TextureVariables(module.instructions());
    bool changed = false;
    for (SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == kOpDecorate && instruction.size() > 3 &&
            instruction[2] == kDecorationBinding && textures.count(instruction[1]) != 0 &&
            instruction[3] < base) {
            instruction[3] += base;
            changed = true;
        }
    }
    if (changed) {
        *spirv = module.Write();
    }
}

namespace {

// Whether the module decorates any variable with a counter buffer, found
// without reading the whole module, which most compiles need not do.
bool HasCounterBuffers(const std::vector<uint32_t>& spirv) {
    return dxbc::spirv::AnyInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        return op == kOpDecorateId && count > 3 && spirv[at + 2] == kDecorationCounterBuffer;
    });
}

} // namespace

void PlaceCounterBindings(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (!HasCounterBuffers(*spirv) || !module.Read(*spirv)) {
        return;
    }
    std::map<uint32_t, uint32_t> bufferOf;                    // counter variable -> its buffer
    std::map<std::pair<uint32_t, uint32_t>, uint32_t> placed; // (variable, decoration) -> value
    for (const SpirvInstruction& instruction : module.instructions()) {
        const uint32_t op = OpcodeOf(instruction);
        if (op == kOpDecorateId && instruction.size() > 3 &&
            instruction[2] == kDecorationCounterBuffer) {
            bufferOf[instruction[3]] = instruction[1];
        } else if (op == kOpDecorate && instruction.size() > 3 &&
                   (instruction[2] == kDecorationBinding ||
                    instruction[2] == kDecorationDescriptorSet)) {
            placed[{instruction[1], instruction[2]}] = instruction[3];
        }
    }
    if (bufferOf.empty()) {
        return;
    }
    const uint32_t buffers = dxbc::BindingBase(dxbc::RegisterClass::UnorderedAccess);
    const uint32_t counters = dxbc::BindingBase(dxbc::RegisterClass::UnorderedAccessCounter);
    std::vector<SpirvInstruction>& instructions = module.instructions();
    // The pairing decorations have served: Vulkan takes them only from
    // devices with VK_GOOGLE_hlsl_functionality1.
    instructions.erase(std::remove_if(instructions.begin(), instructions.end(),
                                      [](const SpirvInstruction& instruction) {
                                          return OpcodeOf(instruction) == kOpDecorateId &&
                                                 instruction.size() > 3 &&
                                                 instruction[2] == kDecorationCounterBuffer;
                                      }),
                       instructions.end());
    for (SpirvInstruction& instruction : instructions) {
        if (OpcodeOf(instruction) != kOpDecorate || instruction.size() < 4) {
            continue;
        }
        const auto buffer = bufferOf.find(instruction[1]);
        if (buffer == bufferOf.end()) {
            continue;
        }
        const auto value = placed.find({buffer->second, instruction[2]});
        if (value == placed.end()) {
            continue;
        }
        if (instruction[2] == kDecorationDescriptorSet) {
            instruction[3] = value->second;
        } else if (instruction[2] == kDecorationBinding && value->second >= buffers &&
                   value->second < counters) {
            instruction[3] = value->second - buffers + counters;
        }
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
