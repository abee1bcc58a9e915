// "register(vs, s8) : register(ps_5_0, s0)": a register assignment may name
// the profile it is for ("ps", "vs" or a target such as "ps_5_0"), and one
// declaration may carry one per profile. A compile takes the assignments of
// its own stage, as "register(s0)", and leaves the others aside; glslang took
// the first whatever its profile.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The edits for a compile of `stage` (the profile's first letter, 'p', 'v',
// ...): each other stage's ": register(...)" blanked, the profile taken out
// of its own stage's.
void SelectProfileRegisters(const std::string& source, const std::vector<HlslToken>& tokens,
                            char stage, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
