// A brace list fills its variable component by component, whatever its
// grouping, so it must hold exactly as many components as the variable:
// Windows' compiler refuses a list too long or too short with X3017.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X3017: 'name': initializer does not
// match type" line per declaration whose list's components the declarations
// count and find different from its type's. Lists holding a value whose type
// they do not tell, and arrays whose size the list decides, are passed over.
void CheckInitialiserCounts(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
