// How a structure's or class's members are named inside and outside it,
// for glslang. A method called by its bare name in another method of its
// structure, on which glslang skipped the arguments' conversions ("Scale(2)"
// of a float parameter failed), is called on "this". Static members, which
// Windows compiles and glslang crashed on: a static method called by its bare name in its
// structure's body or in a method of it defined after it ("Twice(x)") is
// called by its qualified name ("Helper::Twice(x)"). A static member variable
// ("static float4 data;", defined after the structure as "float4 S::data =
// 4.2;") becomes a static global declared in front of the structure with the
// definition's initial value, which "S::data" and the structure's own bare
// uses of "data" name. Inserted text goes on one line, so the lines keep
// their numbers.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Where `tokens` (over `*spelled`, or over `written` while `*spelled` is
// empty) hold such members, sets `*spelled` to the text rewritten and
// `*tokens` to its tokens, before the other rewrites read the source.
void SpellStructureMemberNames(const std::string& written, std::string* spelled,
                               std::vector<HlslToken>* tokens);

} // namespace d3dcompiler_standin
