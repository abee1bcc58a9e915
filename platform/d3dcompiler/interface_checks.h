// Interfaces and the classes that implement them, as Windows judges them and
// glslang, which reads a class as a structure and never sees the interface,
// cannot: an interface holds method declarations only, and a class that
// leaves out a method of one of its interfaces (its own or a base class's)
// cannot be instantiated (Microsoft's "Interfaces and Classes" page). Windows'
// words for these were not found, so the lines are our own.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends an error line to `errors` for a member variable of an interface
// and for each declaration of a class that leaves an interface method out.
void CheckInterfaces(const std::vector<HlslToken>& tokens, std::string* errors);

// The same on the main file's text as written (`path` names it in the lines),
// since the rewrites glslang reads blank interfaces before the preprocessed
// source's checks; false, with the lines in `messages`, where it finds any.
// A source that never writes "interface" is not read.
bool CheckInterfacesAsWritten(const std::string& source, const std::string& path,
                              std::string* messages);

} // namespace d3dcompiler_standin
