// The reference renderer's shaders: GLSL doing the same work as the demo's
// normal.hlsl, compiled to SPIR-V with shaderc at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ReferenceShaders {
    std::vector<uint32_t> vertex;
    std::vector<uint32_t> fragment;
};

bool CompileReferenceShaders(ReferenceShaders* out, std::string* error);

} // namespace bench
