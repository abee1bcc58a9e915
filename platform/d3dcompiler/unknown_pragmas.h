// "#pragma optimize_everything": a pragma Windows' compiler does not know is
// ignored with warning X3568, where glslang ignores it silently.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// Adds "file(line): warning X3568: 'name' : unknown pragma ignored" to
// `warnings` for each pragma of the preprocessed text that is none of
// Windows' (def, message, pack_matrix, warning, once).
void WarnUnknownPragmas(const std::string& preprocessed, const std::string& mainFile,
                        std::string* warnings);

} // namespace d3dcompiler_standin
