// Windows' words for parse errors that glslang words its own way: the token
// a syntax error met, and a call of a name nothing declares.
#pragma once

#include "compile_messages.h"

#include <string>

namespace d3dcompiler_standin {

// Where glslang's parser stopped, as its last line says ("file(12): error at
// column 5, HLSL parsing failed."); column 0 where it is not known.
struct ParseStop {
    std::string file;
    int line = 0;
    int column = 0;
};
bool ReadParseStop(const std::string& messages, ParseStop* stop);

// Windows' "syntax error: unexpected token 'x'" (or "unexpected end of
// file", "unexpected integer constant", "unexpected float constant") for the
// token glslang stopped at, read from the source, `expected` being what
// glslang wanted there ("expression", ";", ...); sets `columns` to
// ",first-last" of the token. Empty when the source cannot be read.
std::string UnexpectedTokenMessage(const std::string& expected, const ParseStop& where,
                                   const SourceLineLookup& lines, std::string* columns);

// Whether `name` stands in `file`, up to `lastLine`, other than as a call:
// declared as a function (after a return type, or at a line's start) or as
// anything else.
bool NameIsDeclared(const std::string& name, const std::string& file, const SourceLineLookup& lines,
                    int lastLine);

// Whether a line of `file` up to `lastLine` declares `name` after a type, as
// a variable is declared ("float4 name").
bool VariableIsDeclared(const std::string& name, const std::string& file,
                        const SourceLineLookup& lines, int lastLine);

} // namespace d3dcompiler_standin
