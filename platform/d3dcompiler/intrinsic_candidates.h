// The lines Windows' compiler prints after "error X3013: 'frexp': no matching
// 1 parameter intrinsic function": "Possible intrinsic functions are:" and
// each overload, for the intrinsics whose overload lines fxc's output has
// been seen to print.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// The lines after an X3013 line naming an intrinsic function, each starting
// with `prefix` ("file(line,first-last): "), or "" where the intrinsic's
// overload lines are not known.
std::string IntrinsicCandidateLines(const std::string& x3013Text, const std::string& prefix);

} // namespace d3dcompiler_standin
