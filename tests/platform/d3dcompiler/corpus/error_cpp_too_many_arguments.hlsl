// Windows: a function-like macro called with more arguments than it takes.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define; fxc refuses a call with too few arguments (X1516, the DirectXShaderCompiler issue "DXC's preprocessor allows missing macro arguments ... (different from FXC)") and is taken to refuse too many likewise; its number for it was not found
#define ADD(a, b) ((a) + (b))
float Shade(float y)
{
    return ADD(y, 1.0, 2.0);
}
#include "shade_stages.hlsli"
