// The rewrites that read a file's macros (number_pasting.cpp, macro_calls.cpp)
// see, beside the file's own definitions, those of the other files the
// compile reads, since Windows' preprocessor expands a macro in every file
// after its definition, whichever file defined it.
#pragma once

#include "source_files.h"

#include <string>

namespace d3dcompiler_standin {

// The #define directives, each on one line (continued lines joined), of
// `source` (the file at `path`) and of the files it includes, nested ones
// too, each file read once; the included files' only where `includes` reads
// from disk, not through a caller's handler, whose Open calls the caller
// would see.
std::string MacroDefinitions(const std::string& source, const std::string& path,
                             const IncludeResolver& includes);

} // namespace d3dcompiler_standin
