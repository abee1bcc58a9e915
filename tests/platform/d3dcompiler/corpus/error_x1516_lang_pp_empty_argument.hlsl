// Windows: fxc's preprocessor counts an empty argument of a function-like
// macro as a missing one and stops the compile.
// verdict: compile-error PSMain X1516
// error text: not enough actual parameters for macro 'ADD'
// group: preprocessor
// source: fxc's own output quoted in the DirectXShaderCompiler issue "DXC's preprocessor allows missing macro arguments ... (different from FXC)" (A(,), A(a,) and A(,b) for "#define A(x,y) x##y" each give "error X1516: not enough actual parameters for macro 'A'"), where C99 6.10.3 would take an argument of no tokens
#include "probe_stages.hlsli"
#define ADD(a, b) (a + b + 0)
#define SIGNED(sign, x) (sign x)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(ADD(, 3), ADD(2, 3), SIGNED(, 2), SIGNED(-, -one));
}
