// Where a line that #line renumbered stands in its file: messages name the
// number and file name #line gave, and their columns are read from the line
// itself.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// The 1-based line of `source` (the file `path`) that messages name as line
// `line` of `file` after its #line directives; 0 where none is.
int PhysicalLine(const std::string& source, const std::string& path, const std::string& file,
                 int line);

} // namespace d3dcompiler_standin
