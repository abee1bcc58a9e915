#include "spirv_instance_index.h"
#include "spirv_words.h"

namespace dxbc {
namespace {

using namespace spirv;

constexpr uint32_t kCapabilityDrawParameters = 4427;
constexpr uint32_t kBuiltInInstanceIndex = 43;
constexpr uint32_t kBuiltInBaseInstance = 4425;
constexpr size_t kBoundWord = 3;

uint32_t InstanceIndexVariable(const std::vector<uint32_t>& spirv) {
    uint32_t variable = 0;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpDecorate && count == 4 && spirv[at + 2] == kDecorationBuiltIn &&
            spirv[at + 3] == kBuiltInInstanceIndex) {
            variable = spirv[at + 1];
        }
    });
    return variable;
}

void Append(std::vector<uint32_t>* out, uint32_t op, std::initializer_list<uint32_t> operands) {
    out->push_back(uint32_t(operands.size() + 1) << 16 | op);
    out->insert(out->end(), operands);
}

} // namespace

std::vector<uint32_t> WithInstanceIndexFromZero(const std::vector<uint32_t>& spirv) {
    const uint32_t instanceIndex = InstanceIndexVariable(spirv);
    if (instanceIndex == 0) {
        return spirv;
    }
    std::vector<uint32_t> out(spirv.begin(), spirv.begin() + kHeaderWords);
    uint32_t bound = out[kBoundWord];
    const uint32_t baseInstance = bound++;
    // Capabilities come first in a module.
    Append(&out, OpCapability, {kCapabilityDrawParameters});
    const bool wellFormed = ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const auto word = [&](size_t i) { return spirv[at + i]; };
        if (op == OpLoad && count == 4 && word(3) == instanceIndex) {
            const uint32_t type = word(1), raw = bound++, base = bound++;
            Append(&out, OpLoad, {type, raw, instanceIndex});
            Append(&out, OpLoad, {type, base, baseInstance});
            Append(&out, OpISub, {type, word(2), raw, base});
            return;
        }
        const size_t start = out.size();
        out.insert(out.end(), spirv.begin() + at, spirv.begin() + at + count);
        if (op == OpEntryPoint) {
            out.push_back(baseInstance); // an Input, so part of the interface
            out[start] += 1u << 16;
        } else if (op == OpDecorate && word(1) == instanceIndex && word(2) == kDecorationBuiltIn) {
            Append(&out, OpDecorate, {baseInstance, kDecorationBuiltIn, kBuiltInBaseInstance});
        } else if (op == OpVariable && count >= 4 && word(2) == instanceIndex) {
            Append(&out, OpVariable, {word(1), baseInstance, kStorageInput});
        }
    });
    if (!wellFormed) {
        return {};
    }
    out[kBoundWord] = bound;
    return out;
}

} // namespace dxbc
