#include "spirv_bindings.h"
#include "spirv_module.h"

#include <register_bindings.h>

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
constexpr uint32_t kDecorationBinding = 33;
constexpr uint32_t kSampledBySampler = 1; // OpTypeImage's Sampled operand

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

} // namespace

void ShiftUnshiftedTextureBindings(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (!module.Read(*spirv)) {
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

} // namespace d3dcompiler_standin
