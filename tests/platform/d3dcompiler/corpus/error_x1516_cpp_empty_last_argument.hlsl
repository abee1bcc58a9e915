// Windows: an empty argument counts as a missing one for fxc's preprocessor.
// verdict: compile-error PSMain X1516
// group: preprocessor
// error text: not enough actual parameters for macro 'ADD'
// source: fxc's own output quoted in the DirectXShaderCompiler issue "DXC's preprocessor allows missing macro arguments ... (different from FXC)" (A(a,), A(,b) and A(,) each give "error X1516: not enough actual parameters for macro 'A'")
#define ADD(a, b) ((a) + (b))
float Shade(float y)
{
    return ADD(y, ) + 1.0;
}
#include "shade_stages.hlsli"
