// Windows: round() takes halfway cases to the nearest even integer.
// verdict: accepted
// probe: 0 2 2 -2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-round ("Halfway cases are rounded to the nearest even")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    return float4(round(half), round(half + 1.0), round(half + 2.0), round(-half - 2.0));
}
