// Forms the Windows compiler accepts and glslang's HLSL front end refuses,
// rewritten in the source text before glslang reads it: effect annotations and
// state blocks (which the compiler ignores for shaders), the legacy upper-case
// type names, expressions inside register(), and a semantic on a struct-typed
// parameter of the entry point, which applies to the struct's members. Lines
// and columns stay where they were, except on the members a semantic is
// added to.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// The main source as glslang should read it. Files it includes are read as
// they are.
std::string RewriteForGlslang(const std::string& source, const std::string& entryPoint);

} // namespace d3dcompiler_standin
