// A call of a name that nothing declares, which glslang reports as a call no
// overload matches and Windows' compiler as "error X3004: undeclared
// identifier 'name'" (a misspelt intrinsic, say).
#pragma once

#include "compile_messages.h"

#include <string>

namespace d3dcompiler_standin {

// Whether a line of `file` defines or declares a function `name`: the name
// after a type's name (or a macro's, for `#define name(`), then '('.
bool FileDeclaresFunction(const SourceLineLookup& lines, const std::string& file,
                          const std::string& name);

} // namespace d3dcompiler_standin
