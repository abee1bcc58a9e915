// Windows: fmod and % on floats truncate: the result has the dividend's sign.
// verdict: accepted
// probe: -1.5 -1.5 1.5 -0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-fmod ("The floating-point remainder is calculated such that x = i * y + f, where i is an integer, f has the same sign as x")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float x = position.x * 2.0 - 8.5; // -7.5
    return float4(fmod(x, 2.0), x % 2.0, fmod(-x, 2.0), fmod(x + 7.0, -2.0));
}
