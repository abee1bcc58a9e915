// What every benchmark program's main begins with: its options read and the
// demo's shader copied into a working folder. Each failure is said once on
// standard error as "<program>: <problem>", and main returns the status.
#pragma once

#include "bench_options.h"
#include "shader_folder.h"

#include <string>

namespace bench {

// Prints "<program>: <problem>" on standard error; returns `status` for main.
int Complain(const char* program, const std::string& problem, int status);

// ParseOptions for main: false once the problem has been printed.
bool ReadOptions(const char* program, int argc, char** argv, Options* options);

// folder->Enter for main: false once the problem has been printed.
bool EnterShaderFolder(const char* program, const std::string& shaderPath, ShaderFolder* folder);

} // namespace bench
