// Warning X3207: a global `const` with an initialiser is still a constant the
// program sets, the initialiser only its default.
#pragma once

#include "compile_messages.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Judged on the tokens glslang reads, where the rewrites have blanked the
// `const` of such globals, and on the lines as written, which still hold it.
void WarnInitialisedGlobalConstants(const std::vector<HlslToken>& tokens,
                                    const SourceLineLookup& lines, std::string* warnings);

} // namespace d3dcompiler_standin
