// Forms the Windows compiler accepts and glslang's HLSL front end refuses,
// rewritten in the source text before glslang reads it: effect annotations and
// state blocks (which the compiler ignores for shaders), the legacy upper-case
// type names, expressions inside register(), sampling through tex2D and its
// kin, resources declared inside a constant buffer, and a semantic on a struct-typed
// parameter of the entry point, which applies to the struct's members. Lines
// stay where they were; columns move only where text is added or grows (the
// members given a semantic, a buffer's first line, legacy sampling).
#pragma once

#include <string>

namespace d3dcompiler_standin {

// A source file as glslang should read it: the main file, and each file it
// includes as the include handler hands it over. `stage` is the profile's
// first letter ('p', 'v', ...), which picks registers assigned per profile.
// `definitions` are the #define lines of the files the compile reads
// (MacroDefinitions), whose macros the file's calls may name.
std::string RewriteForGlslang(const std::string& source, const std::string& entryPoint,
                              char stage = 0, const std::string& definitions = "");

} // namespace d3dcompiler_standin
