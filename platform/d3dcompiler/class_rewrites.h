// Shader model 5's interfaces and classes, which glslang's HLSL front end
// lacks: an interface only declares the methods its classes define, so it is
// blanked (newlines kept), and "class Name : Interface" becomes
// "struct Name", whose methods glslang reads. Variables of an interface's
// type (dynamic linkage) are left as they are. A class's or structure's
// methods defined after it move into it (class_members.h).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `source`'s text (one file, before glslang) to `edits`;
// `structureMembers`: a structure may hold methods defined after it.
void RewriteClasses(const std::string& source, const std::vector<HlslToken>& tokens,
                    bool structureMembers, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
