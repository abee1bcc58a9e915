// Shader model 5's limit on a constant buffer: 4096 vectors of 16 bytes.
// glslang lays out larger ones without complaint, so the size is read back
// from the compiled SPIR-V's offsets and strides.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

constexpr uint64_t kMaxConstantBufferBytes = 4096 * 16;

// False with one "error: ..." text per constant buffer past the limit.
bool CheckConstantBufferSizes(const std::vector<uint32_t>& spirv, std::string* errors);

} // namespace d3dcompiler_standin
