// Windows: an entry point's uniform parameter needs no semantic: it is a
// constant the program sets, not an input.
// verdict: accepted
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("uniform": the value comes from a constant)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position, uniform float scale) : SV_Target
{
    return position * scale;
}
