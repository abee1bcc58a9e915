// Macros that expand past any real shader: "#define M1 M0 M0" doubles at each
// level, as does "#define D(a) a a" called within itself, and thirty levels
// make a billion tokens, which the front end's preprocessor would expand
// until the compile is stopped. Such a use is refused before preprocessing.
#pragma once

#include <cstddef>
#include <string>

namespace d3dcompiler_standin {

// Far beyond any real shader: a source of at most 1 MB holds some 500,000 tokens.
constexpr size_t kMaxMacroExpansionTokens = size_t(1) << 20;

// False, with "file(line,first-last): error: ..." in `error`, when a line
// outside the directives names a macro of `text` that expands to more than
// kMaxMacroExpansionTokens tokens. Comments are not skipped: a name in one
// only makes the check stricter than it need be for names defined that big.
bool CheckMacroExpansion(const std::string& text, const std::string& file, std::string* error);

} // namespace d3dcompiler_standin
