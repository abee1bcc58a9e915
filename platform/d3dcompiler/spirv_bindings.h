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

// glslang binds the counter buffer it makes for a structured buffer's hidden
// counter (IncrementCounter, Append, Consume) wherever a binding is free,
// which may be another register's. Each counter is moved to its buffer's
// register in the counter class, in the buffer's set (register_bindings.h),
// and the decorations that pair them are dropped. Run before the extension
// they need is judged (RemoveSemanticDecorations).
void PlaceCounterBindings(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
