// The rewrites that read a file's macros (number_pasting.cpp, macro_calls.cpp)
// see, beside the file's own definitions, those of the other files the
// compile reads, since Windows' preprocessor expands a macro in every file
// after its definition, whichever file defined it; the names of glslang's own
// macros those files use are undefined before the source
// (glslang_macro_names.h).
#pragma once

#include "source_files.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {

// What the files of a compile define and name: the main file and, where
// `includes` reads them from disk rather than through a caller's handler
// (whose Open calls the caller would see), the files it includes, nested
// ones too, each read once.
struct SourceMacros {
    std::string definitions;            // #define directives, one a line, lines joined
    std::set<std::string> glslangNames; // names glslang defines before the source
};
SourceMacros ReadSourceMacros(const std::string& source, const std::string& path,
                              const IncludeResolver& includes);

} // namespace d3dcompiler_standin
