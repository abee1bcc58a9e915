// Windows: at shader model 5.0 half is a 32-bit float, so it keeps a float's
// precision.
// verdict: accepted
// probe: 0.5 1 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("half—16-bit floating point value. This data type is provided only for language compatibility. Direct3D 10 shader targets map all half data types to float data types.")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    half h = 1.0 + position.x * 0.0001; // 1.00005, which a 16-bit float cannot hold
    half big = 70000.0 * position.x * 2.0;
    return float4((h - 1.0) * 10000.0, big / 70000.0, 0, 0);
}
