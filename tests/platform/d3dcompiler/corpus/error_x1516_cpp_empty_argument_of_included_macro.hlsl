// Windows: an empty argument of a macro an included file defines is a
// missing one, as for a macro of the same file.
// verdict: compile-error PSMain X1516
// error text: not enough actual parameters for macro 'LIB_ADD'
// group: preprocessor
// source: DirectXShaderCompiler issue "DXC's preprocessor allows missing macro arguments ... (different from FXC)" (fxc's X1516 for an empty argument); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include (the included file's text stands in place of the directive, its definitions in force after it)
#include "macro_library.hlsli"
float Shade(float y)
{
    return LIB_ADD(y, );
}
#include "shade_stages.hlsli"
