// Windows: `out` parameters whose every component the body writes, by parts,
// by swizzles or as a whole before a part, draw no X3578, so the compile
// passes with warnings made errors.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// probe: 0.25 0.25 0 1
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3578, an output value not completely initialized, is a warning); learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_WARNINGS_ARE_ERRORS)
#include "probe_stages.hlsli"
void PSMain(float4 position : SV_Position, out float4 colour : SV_Target)
{
    colour.xy = position.xy * 0.5;
    colour.b = 0.0;
    colour.a = 1.0;
}
