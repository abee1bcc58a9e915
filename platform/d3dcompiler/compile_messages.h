// Turns glslang's diagnostics into the compiler's "file(line): error: ..." form.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// Rewrites "file:12: error: text" as "file(12): error: text", with Windows'
// error number where glslang's wording maps to a documented one (X3000 syntax
// error, X3004 undeclared identifier, X3501 entry point not found), and
// drops the warning about the RootSignature attribute (the compiler handles it).
std::string TranslateGlslangMessages(const std::string& messages, const std::string& mainFile,
                                     const std::string& entryPoint);

// Windows' compiler stops reporting after a number of errors; so does this
// one, after kMaxErrorLines lines, with a last line saying how many it left out.
constexpr size_t kMaxErrorLines = 50;
std::string LimitErrorLines(const std::string& messages);

} // namespace d3dcompiler_standin
