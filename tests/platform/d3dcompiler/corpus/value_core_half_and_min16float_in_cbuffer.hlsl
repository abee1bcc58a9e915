// Windows: in a constant buffer, half and min16float constants take 32 bits
// each: half is float at shader model 5, and shader constants stay 32-bit.
// verdict: accepted
// probe: 0 1 2 3
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("Direct3D 10 shader targets map all half data types to float data types") and using-hlsl-minimum-precision ("shader constants are still always 32-bit")
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    half a;
    min16float b;
    half2 c;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(a, b, c);
}
