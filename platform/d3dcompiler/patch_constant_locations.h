// A hull shader's patch constants as the domain shader finds them. glslang
// numbers each stage's patch constants after the values declared before them
// in that stage (a domain shader's control points, its SV_PrimitiveID), so
// the two stages' numbers differ; and it gives a domain shader's
// SV_PrimitiveID a location instead of the built-in.
#pragma once

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// The first location of the patch constants in both stages: past the
// control point values a stage can have.
inline constexpr uint32_t kFirstPatchConstantLocation = 16;

// In a hull shader's outputs or a domain shader's inputs, numbers the patch
// constants that are not built-ins from kFirstPatchConstantLocation in the
// order the entry point lists them (the order of their declaration), each
// taking as many locations as its array has elements; in a domain shader,
// makes the input named SV_PrimitiveID the PrimitiveId built-in. Leaves a
// module it cannot read, or of another stage, as it is.
void PlacePatchConstants(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
