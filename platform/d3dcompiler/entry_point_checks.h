// Checks that depend on the entry point being compiled: which resources the
// code it reaches uses.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// False with one "file(line,col): error ...: ..." line per problem in
// `errors`: two resources bound to one register when the entry point uses both (the Windows
// compiler gives a register to what the shader uses, so an unused one may share it).
bool CheckEntryPoint(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                     std::string* errors);

} // namespace d3dcompiler_standin
