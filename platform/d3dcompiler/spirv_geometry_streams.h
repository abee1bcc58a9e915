// The second half of a geometry shader's several streams (geometry_streams.h),
// on the legalised SPIR-V.
#pragma once

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// Each emit of the merged stream becomes an emit of the stream its marker
// names, later streams' outputs are decorated with their stream and given
// back their own semantics, and the marker is taken out. Nothing where the
// module has no marker; false where an emit's stream cannot be told.
bool SeparateGeometryStreams(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
