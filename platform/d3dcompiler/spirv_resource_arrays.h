// An array of textures, samplers or typed UAVs takes one register per element
// (Texture2D t[3] : register(t0) is t0, t1 and t2), each its own descriptor in
// the root signature's tables. glslang gives the array one binding of three
// descriptors; where every element is reached by a constant index, as shader
// model 5.0 requires, the array becomes one variable per element, bound at
// the element's register.
#pragma once

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// Leaves `spirv` as it is when it cannot be read as a module or an array is
// also indexed by a value the shader computes.
void SplitResourceArrays(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
