// Windows' words for parse errors that glslang words its own way: the token
// a syntax error met, and a call of a name nothing declares.
#pragma once

#include "compile_messages.h"

#include <string>

namespace d3dcompiler_standin {

// Windows' "syntax error: unexpected token 'x'" (or "unexpected end of
// file", "unexpected integer constant", "unexpected float constant") for
// glslang's "<what> expected" at `line` of `file`, read from the source; sets
// `columns` to ",first-last" of the token. Empty when the line cannot be read.
std::string UnexpectedTokenMessage(const std::string& expected, const std::string& file, int line,
                                   const SourceLineLookup& lines, std::string* columns);

// Whether `name` stands anywhere in `file` other than as a call: declared as
// a function (after a return type, or at a line's start) or as anything else.
bool NameIsDeclared(const std::string& name, const std::string& file,
                    const SourceLineLookup& lines);

} // namespace d3dcompiler_standin
