// Windows: a function-like macro called with fewer arguments than it takes.
// verdict: compile-error PSMain X1516
// group: preprocessor
// error text: not enough actual parameters for macro 'ADD'
// source: fxc's own output quoted in the DirectXShaderCompiler issue "DXC's preprocessor allows missing macro arguments ... (different from FXC)" ("error X1516: not enough actual parameters for macro 'A'")
#define ADD(a, b) ((a) + (b))
float Shade(float y)
{
    return ADD(y);
}
#include "shade_stages.hlsli"
