// `vector<T, N>` and `matrix<T, R, C>` spelled as the type names they stand
// for (`TN`, `TRxC`; `vector` alone float4, `matrix` float4x4, as the
// templates' defaults give), so that every rewrite that knows `int2x2` or
// `float3` knows them too: integer matrices in constant buffers, parameters
// and returns among them, which glslang's templates left as float matrices.
// The name is padded with spaces to the template's length, so that the
// columns after it stay where the source has them.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// `source` (tokenised as `tokens`) with its template types spelled as names;
// empty where it has none.
std::string SpellTemplateTypes(const std::string& source, const std::vector<HlslToken>& tokens);

} // namespace d3dcompiler_standin
