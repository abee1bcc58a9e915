// Windows' words for a call that matches none of an intrinsic's overloads:
// "error X3013: 'lerp': no matching 2 parameter intrinsic function", and for
// a resource's method "'Sample': no matching 1 parameter intrinsic method".
// glslang says only that no overload matched; the count comes from the source.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// Whether `name` is one of shader model 5's intrinsic functions
// (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-intrinsic-functions).
bool IsIntrinsicFunction(const std::string& name);

// Windows' line for glslang's "'name' : no matching overloaded function
// found" (glslang names a method "__BI_Sample"), the arguments counted in
// `source`, the text from the message's line on; empty when `name` is no
// intrinsic or its call is not found there.
std::string NoMatchingIntrinsicMessage(const std::string& name, const std::string& source);

} // namespace d3dcompiler_standin
