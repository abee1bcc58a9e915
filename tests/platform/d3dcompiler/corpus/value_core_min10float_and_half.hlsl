// Windows: min10float is a float of at least 10 bits (2.8 fixed point) and
// half a 32-bit float at shader model 5; both convert to float where mixed.
// verdict: accepted
// probe: 0.75 1.5 1 3
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("min10float - minimum 10-bit floating point value"; D3D_MIN_PRECISION_FLOAT_2_8 names its 2.8 fixed-point form, so the values stay within -2 to 2; "half ... Direct3D 10 shader targets map all half data types to float data types")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    min10float a = 0.5 * one;
    min10float b = 0.25 * one;
    half h = 1.5h * one;
    float f = a + b;
    return float4(f, h, a + a, h + h);
}
