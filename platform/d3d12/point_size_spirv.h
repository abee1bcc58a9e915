// The point size of a vertex shader that draws points itself.
#pragma once

#include <cstdint>
#include <vector>

namespace d3d12_standin {

// Direct3D draws points one pixel wide; Vulkan wants the last stage before
// the rasteriser to write PointSize when it draws points. The vertex shader's
// module with a PointSize output of 1 written at each return of its entry;
// unchanged where it writes one already or cannot be read.
std::vector<uint32_t> WithPointSizeOne(const std::vector<uint32_t>& spirv);

} // namespace d3d12_standin
