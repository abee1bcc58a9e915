// A texture read through a comparison sampler and a plain one: glslang gives
// the comparison's copy of the texture its register number as its binding,
// without the shader-resource base the other texture bindings carry, so the
// copy would land on a constant buffer's binding. The copy is moved to its
// texture's binding (register_bindings.h).
#pragma once

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// Leaves `spirv` as it is when it cannot be read as a module.
void ShiftUnshiftedTextureBindings(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
