// Windows: in shader model 5 half is a 32-bit float: 2049 and 70000 are held
// exactly, past half's precision and range.
// verdict: accepted
// probe: 2049 70000 0.5 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("half ... Direct3D 10 shader targets map all half data types to float data types")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    half a = 2049 * one;
    half b = 70000 * one;
    half2 c = half2(0.25h, 0.25H) * one;
    return float4(a, b, c.x + c.y, 1);
}
