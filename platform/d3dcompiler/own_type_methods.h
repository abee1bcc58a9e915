// Methods of a structure that name the structure in their header ("Pair
// Doubled()", "float Dot(Pair other)"), which Windows compiles and glslang
// cannot read, the structure being incomplete there. Each becomes a function
// after the structure, on the structure's closing line, taking the object as
// a first parameter `self` (its members read through it), and each call
// "x.Doubled()" a call "Pair_Doubled(x)". A method that writes a member, is
// called without an object, or whose name another structure's method shares,
// is left to glslang.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Where `tokens` (over `*spelled`, or over `written` while `*spelled` is
// empty) hold such methods, sets `*spelled` to the text with them moved and
// `*tokens` to its tokens, before the other rewrites read the source.
void SpellOwnTypeMethods(const std::string& written, std::string* spelled,
                         std::vector<HlslToken>* tokens);

} // namespace d3dcompiler_standin
