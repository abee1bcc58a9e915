// The shape of a source, checked before the front end parses it: it recurses
// once per level of nesting and once per operator of an expression, so
// sources past these limits would overflow its stack or take minutes.
#pragma once

#include <cstddef>
#include <string>

namespace d3dcompiler_standin {

// Far beyond any real shader, and well inside the compiling thread's stack.
constexpr size_t kMaxNestingDepth = 2000;
// Operator characters (+ - * / % < > = & | ^ , ?) in one statement; a table
// of 8000 values in one initializer still fits.
constexpr size_t kMaxOperatorsPerStatement = 16384;

// False, with "file(line,col): error: ..." in `error`, when (), [] or {} nest
// more than kMaxNestingDepth deep or a statement (text between ; { and })
// holds more than kMaxOperatorsPerStatement operators. Comments and string
// literals are skipped; preprocessor lines count too, as #if expressions
// recurse in the same way.
bool CheckNestingDepth(const std::string& text, const std::string& file, std::string* error);

} // namespace d3dcompiler_standin
