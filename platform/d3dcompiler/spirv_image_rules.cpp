#include "spirv_image_rules.h"

#include <spirv_words.h>

#include <algorithm>
#include <utility>

namespace d3dcompiler_standin {
namespace {

constexpr uint32_t kOpCapability = 17;
constexpr uint32_t kOpTypeImage = 25;
constexpr uint32_t kOpAtomicFMinEXT = 5614;
constexpr uint32_t kOpAtomicFMaxEXT = 5615;
constexpr uint32_t kOpAtomicFAddEXT = 6035;
constexpr uint32_t kOpImageGather = 96;
constexpr uint32_t kOpImageDrefGather = 97;
constexpr uint32_t kOpExtension = 10;
constexpr uint32_t kCapabilityImageGatherBiasLod = 5009; // ImageGatherBiasLodAMD
constexpr const char* kGatherBiasExtension = "SPV_AMD_texture_gather_bias_lod";
constexpr uint32_t kImageOperandBias = 1; // the lowest bit, so its operand comes first
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

void DropGatherBiases(std::vector<uint32_t>* spirv) {
    std::vector<uint32_t>& words = *spirv;
    // glslang announces the bias among the capabilities, which come first:
    // a module without it is not walked further.
    bool announced = false;
    dxbc::spirv::AnyInstruction(words, [&](size_t at, uint32_t op, uint32_t count) {
        announced =
            op == kOpCapability && count == 2 && words[at + 1] == kCapabilityImageGatherBiasLod;
        return announced || op != kOpCapability;
    });
    if (!announced) {
        return;
    }
    std::vector<size_t> masks;         // the image operands' mask word of each biased gather
    std::vector<size_t> announcements; // the capability and extension that allow the bias
    dxbc::spirv::ForEachInstruction(words, [&](size_t at, uint32_t op, uint32_t count) {
        const bool gather = op == kOpImageGather || op == kOpImageDrefGather;
        if (gather && count > 7 && (words[at + 6] & kImageOperandBias) != 0) {
            masks.push_back(at + 6);
        } else if ((op == kOpCapability && count == 2 &&
                    words[at + 1] == kCapabilityImageGatherBiasLod) ||
                   (op == kOpExtension && dxbc::spirv::ReadLiteralString(
                                              words, at + 1, at + count) == kGatherBiasExtension)) {
            announcements.push_back(at);
        }
    });
    if (masks.empty()) {
        return;
    }
    std::vector<std::pair<size_t, bool>> changes; // (word, is a mask)
    for (size_t mask : masks) {
        changes.push_back({mask, true});
    }
    for (size_t at : announcements) {
        changes.push_back({at, false});
    }
    std::sort(changes.rbegin(), changes.rend()); // the last first, so earlier places hold
    for (const auto& [word, mask] : changes) {
        if (!mask) {
            words.erase(words.begin() + word, words.begin() + word + (words[word] >> 16));
            continue;
        }
        const size_t start = word - 6;
        words[word] &= ~kImageOperandBias;
        const size_t dropped = words[word] == 0 ? 2 : 1;
        words.erase(words.begin() + word + (dropped == 2 ? 0 : 1), words.begin() + word + 2);
        words[start] = uint32_t(((words[start] >> 16) - dropped) << 16) | (words[start] & 0xFFFF);
    }
}

} // namespace d3dcompiler_standin
