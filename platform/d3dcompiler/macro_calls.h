// Forms of the source's preprocessor lines that Windows' preprocessor reads
// otherwise than glslang's, found before glslang and written so that it reads
// them as Windows does.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The prefix of the name put in place of a function-like macro's empty
// argument; the rest is "<column>_<macro>", the column of the call's name.
extern const char kEmptyMacroArgumentMark[];

// Form feeds and vertical tabs, white space to Windows' compiler, which
// glslang's scanner refuses, written as spaces.
void RewriteOddWhiteSpace(const std::string& source, std::vector<TextEdit>* edits);

// "#if TWICE" where TWICE is a function-like macro and no '(' follows: the
// name is no call, so it reads 0 as any name that is no macro (C99 6.10.1);
// glslang cannot evaluate it. Macros this file or `definitions` (other
// files' #define lines) define.
void RewriteFunctionMacroNamesInConditions(const std::string& source,
                                           const std::string& definitions,
                                           std::vector<TextEdit>* edits);

// "ADD(y, )": Windows' preprocessor takes an empty argument of a
// function-like macro for a missing one (X1516). Each empty argument of a
// call of a macro this file or `definitions` defines, outside directives,
// becomes a name starting with kEmptyMacroArgumentMark, which
// CheckEmptyMacroArguments finds where the call survives preprocessing.
void MarkEmptyMacroArguments(const std::string& source, const std::string& definitions,
                             std::vector<TextEdit>* edits);

// False, with "file(line,column): error X1516: not enough actual parameters
// for macro 'ADD'" added to `errors`, where a mark of MarkEmptyMacroArguments
// is among the preprocessed tokens.
bool CheckEmptyMacroArguments(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
