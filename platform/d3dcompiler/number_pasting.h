// "#define JOIN(a, b) a##b" called as JOIN(1, 5): Windows' preprocessor joins
// the two numbers into 15, glslang's refuses a paste whose left side is a
// number. "#define NAME_OF(x) #x": Windows' preprocessor makes the argument
// a string literal, glslang 15's scanner refuses the lone #. Such calls are
// expanded here, before glslang.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Replaces each call, outside directives, of a function-like macro of
// `source` whose ## would join a number on its left, or whose # makes a
// string, with the macro's replacement, arguments substituted, joined and
// made strings (the rest left for glslang's preprocessor to expand), and
// blanks the # of such definitions: adds the edits (one file, before glslang).
// `definitions` are other files' #define lines, whose macros' calls in
// `source` are expanded too.
void ExpandNumberPastes(const std::string& source, const std::vector<HlslToken>& tokens,
                        const std::string& definitions, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
