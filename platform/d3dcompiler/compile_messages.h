// Turns glslang's diagnostics into the form Windows' compiler prints:
// "file(line,first-last): error X3004: undeclared identifier 'x'".
#pragma once

#include <functional>
#include <string>

namespace d3dcompiler_standin {

// The text of line `line` (from 1) of source `file`; false when unknown.
using SourceLineLookup = std::function<bool(const std::string& file, int line, std::string* text)>;

// Rewrites "file:12: error: 'x' : text" as "file(12,c1-c2): error: text",
// with the columns of the token the message names where its line holds it,
// and Windows' error number and words where glslang's wording maps to a
// documented one. Repeats and glslang's follow-on errors are left out:
// errors on a line that already had one that merely restate it, and
// everything after the first syntax error, where Windows' compiler stops.
std::string TranslateGlslangMessages(const std::string& messages, const std::string& mainFile,
                                     const std::string& entryPoint,
                                     const SourceLineLookup& lines = nullptr);

// glslang's warning that it ignores [RootSignature], which Windows' compiler
// reads: a clean compile's only line, which the messages leave out.
bool IsRootSignatureWarning(const std::string& line);

// Windows' compiler stops reporting after a number of errors; so does this
// one, after kMaxErrorLines lines, with a last line saying how many it left out.
constexpr size_t kMaxErrorLines = 50;
std::string LimitErrorLines(const std::string& messages);

} // namespace d3dcompiler_standin
