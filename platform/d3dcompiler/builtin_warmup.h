// glslang builds its table of built-in functions for a stage the first time
// that stage is compiled, and keeps it while a compiler exists. That table is
// most of the cost of a compile; built once in the caller's process, every
// compile's child process inherits it.
#pragma once

#include <shaderc/shaderc.h>

namespace d3dcompiler_standin {

// Builds the built-in table of `kind` in this process, once, from a fixed
// source, and keeps it for the process's life.
void WarmBuiltIns(shaderc_shader_kind kind, shaderc_env_version environment);

} // namespace d3dcompiler_standin
