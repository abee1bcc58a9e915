// Writing SPIR-V instructions for the rewrites the pipeline makes to modules.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace d3d12_standin {

// Appends instruction `op` with `operands` to `out`.
inline void Append(std::vector<uint32_t>* out, uint32_t op,
                   std::initializer_list<uint32_t> operands) {
    out->push_back(uint32_t(operands.size() + 1) << 16 | op);
    out->insert(out->end(), operands);
}

} // namespace d3d12_standin
