#include "spirv_image_rules.h"

namespace d3dcompiler_standin {
namespace {

constexpr size_t kHeaderWords = 5;
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
    for (size_t at = kHeaderWords; at < words.size();) {
        const uint32_t count = words[at] >> 16;
        if (count == 0 || at + count > words.size()) {
            return;
        }
        if ((words[at] & 0xFFFF) == kOpTypeImage && count > 8 &&
            words[at + 7] == kSampledBySampler) {
            words[at + 8] = kImageFormatUnknown;
        }
        at += count;
    }
}

bool UsesFloatAtomics(const std::vector<uint32_t>& spirv) {
    for (size_t at = kHeaderWords; at < spirv.size();) {
        const uint32_t count = spirv[at] >> 16;
        if (count == 0 || at + count > spirv.size()) {
            return false;
        }
        const uint32_t op = spirv[at] & 0xFFFF;
        if (op == kOpAtomicFAddEXT || op == kOpAtomicFMinEXT || op == kOpAtomicFMaxEXT ||
            (op == kOpCapability && count > 1 && IsFloatAtomicCapability(spirv[at + 1]))) {
            return true;
        }
        at += count;
    }
    return false;
}

} // namespace d3dcompiler_standin
