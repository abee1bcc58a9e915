// Turns glslang's diagnostics into the compiler's "file(line): error: ..." form.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// Rewrites "file:12: error: text" as "file(12): error: text", drops the
// warning about the RootSignature attribute (the compiler handles it) and
// names a missing entry point plainly.
std::string TranslateGlslangMessages(const std::string& messages, const std::string& mainFile,
                                     const std::string& entryPoint);

} // namespace d3dcompiler_standin
