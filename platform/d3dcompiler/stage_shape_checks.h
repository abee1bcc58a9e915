// What Windows' compiler requires of the shape of a geometry, hull or domain
// shader's entry point: the tessellator's attributes of hull and domain
// shaders, a geometry shader's input primitive and output streams, and the
// types of a compute shader's thread-group values.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// For a hull shader ('h'), [domain], [partitioning], [outputtopology] and
// [outputcontrolpoints], each with a value Windows knows; for a domain
// shader ('d'), [domain]; for a geometry shader ('g'), an input array with
// its primitive type and that type's vertex count, SV_GSInstanceID as a
// parameter of its own, and at most four streams, all PointStreams where
// there are several; for a compute shader ('c'), integer thread-group values
// and a scalar SV_GroupIndex. One error line per problem in `errors`.
void CheckStageShapes(const std::vector<HlslToken>& tokens, const FunctionDefinition& entry,
                      char stage, std::string* errors);

} // namespace d3dcompiler_standin
