#include "spirv_image_rules.h"

#include <spirv_words.h>

namespace d3dcompiler_standin {
namespace {

constexpr uint32_t kOpCapability = 17;
constexpr uint32_t kOpTypeImage = 25;
constexpr uint32_t kOpAtomicFMinEXT = 5614;
constexpr uint32_t kOpAtomicFMaxEXT = 5615;
constexpr uint32_t kOpAtomicFAddEXT = 6035;
constexpr uint32_t kSampledBySampler = 1; // OpTypeImage's Sampled operand
constexpr uint32_t kImageFormatUnknown = 0;

bool IsFloatAtomicCapability(uint32_t capability) {
    return (capability >= 5612 && capability <= 5613) || capability == 5616 ||
           (capability >= 6033 && capability <= 6034) || capability == 6095;
}

} // namespace

void ForgetSampledImageFormats(std::vector<uint32_t>* spirv) {
    std::vector<uint32_t>& words = *spirv;
    dxbc::spirv::ForEachInstruction(words, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == kOpTypeImage && count > 8 && words[at + 7] == kSampledBySampler) {
            words[at + 8] = kImageFormatUnknown;
        }
    });
}

bool UsesFloatAtomics(const std::vector<uint32_t>& spirv) {
    return dxbc::spirv::AnyInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        return op == kOpAtomicFAddEXT || op == kOpAtomicFMinEXT || op == kOpAtomicFMaxEXT ||
               (op == kOpCapability && count > 1 && IsFloatAtomicCapability(spirv[at + 1]));
    });
}

} // namespace d3dcompiler_standin
