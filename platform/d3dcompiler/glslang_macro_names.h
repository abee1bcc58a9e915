// glslang's preprocessor defines names of its own before any source: VULKAN,
// GL_core_profile and the GL_ extensions it knows, a list that differs
// between glslang versions. Windows' compiler defines none of them, so a
// source testing "#ifdef VULKAN" takes the other branch there, and may use
// such a name for anything.
#pragma once

#include <d3dcompiler.h>

#include <set>
#include <string>

namespace d3dcompiler_standin {

// Whether `name` is of the kind glslang defines: VULKAN or GL_...
bool IsGlslangMacroName(const std::string& name);

// Adds to `names` each name of glslang's kind that `text` mentions.
void NoteGlslangMacroNames(const std::string& text, std::set<std::string>* names);

// "#undef NAME" lines for `names`, and for the caller's `defines` of
// glslang's kind, which glslang would call redefinitions in its preamble,
// "#undef NAME" and "#define NAME value" (the preambles leave them out).
std::string UndefineGlslangMacros(const std::set<std::string>& names,
                                  const D3D_SHADER_MACRO* defines);

} // namespace d3dcompiler_standin
