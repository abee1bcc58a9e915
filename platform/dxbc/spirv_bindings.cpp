#include "spirv_bindings.h"
#include "spirv_words.h"

#include <map>

namespace dxbc {
namespace {

using namespace spirv;

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) {
        *error = "SPIR-V bindings: " + reason;
    }
    return false;
}

// Word positions of one object's decoration literals.
struct DecorationSites {
    size_t set = 0;
    size_t binding = 0;
};

} // namespace

bool RemapSpirvBindings(std::vector<uint32_t>& spirv,
                        const std::function<bool(uint32_t, uint32_t, uint32_t*, uint32_t*)>& remap,
                        std::string* error) {
    return RemapSpirvBindings(
        spirv,
        [&remap](uint32_t, uint32_t set, uint32_t binding, uint32_t* newSet, uint32_t* newBinding) {
            return remap(set, binding, newSet, newBinding);
        },
        error);
}

bool RemapSpirvBindings(
    std::vector<uint32_t>& spirv,
    const std::function<bool(uint32_t, uint32_t, uint32_t, uint32_t*, uint32_t*)>& remap,
    std::string* error) {
    if (spirv.size() < kHeaderWords || spirv[0] != kMagic) {
        return Fail(error, "not a SPIR-V module");
    }
    std::map<uint32_t, DecorationSites> sites;
    for (size_t at = kHeaderWords; at < spirv.size();) {
        uint32_t wordCount = spirv[at] >> 16;
        uint32_t opcode = spirv[at] & 0xFFFF;
        if (wordCount == 0 || wordCount > spirv.size() - at) {
            return Fail(error, "instruction at word " + std::to_string(at) + " has a bad length");
        }
        if (opcode == OpDecorate && wordCount >= 4) {
            uint32_t target = spirv[at + 1];
            uint32_t decoration = spirv[at + 2];
            if (decoration == kDecorationDescriptorSet) {
                sites[target].set = at + 3;
            } else if (decoration == kDecorationBinding) {
                sites[target].binding = at + 3;
            }
        }
        at += wordCount;
    }

    std::vector<std::pair<DecorationSites, std::pair<uint32_t, uint32_t>>> changes;
    for (const auto& [target, site] : sites) {
        if (site.set == 0 || site.binding == 0) {
            return Fail(error, "object %" + std::to_string(target) +
                                   " has a Binding without a DescriptorSet or the reverse");
        }
        uint32_t newSet = spirv[site.set];
        uint32_t newBinding = spirv[site.binding];
        if (!remap(target, spirv[site.set], spirv[site.binding], &newSet, &newBinding)) {
            return Fail(error, "no place for the resource at set " +
                                   std::to_string(spirv[site.set]) + ", binding " +
                                   std::to_string(spirv[site.binding]));
        }
        changes.push_back({site, {newSet, newBinding}});
    }
    for (const auto& [site, value] : changes) {
        spirv[site.set] = value.first;
        spirv[site.binding] = value.second;
    }
    return true;
}

} // namespace dxbc
