// Rewrites the descriptor set and binding of every resource in a SPIR-V module.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dxbc {

// Calls `remap` for every object that carries both a DescriptorSet and a
// Binding decoration and stores the new pair in place. Fails (module left
// unchanged) when the module is malformed or `remap` refuses a pair.
bool RemapSpirvBindings(std::vector<uint32_t>& spirv,
                        const std::function<bool(uint32_t set, uint32_t binding, uint32_t* newSet,
                                                 uint32_t* newBinding)>& remap,
                        std::string* error);

// The same, with the id of the object each pair belongs to.
bool RemapSpirvBindings(std::vector<uint32_t>& spirv,
                        const std::function<bool(uint32_t object, uint32_t set, uint32_t binding,
                                                 uint32_t* newSet, uint32_t* newBinding)>& remap,
                        std::string* error);

} // namespace dxbc
