// Windows: ddx, ddy and fwidth take matrices, giving each component's
// derivative; across the quad position.x grows by 1 per pixel and
// position.y does not change along x.
// verdict: accepted
// probe: 2 0 4 3
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-ddx, dx-graphics-hlsl-ddy, dx-graphics-hlsl-fwidth (the parameter "x: the specified value", types scalar, vector or matrix; the result "the same size as the input")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2x2 m = float2x2(1, 2, 3, 4) * position.x;
    float2x2 across = ddx(m);  // 1 2 3 4
    float2x2 down = ddy(m);    // 0 0 0 0
    float2x2 width = fwidth(m); // 1 2 3 4
    return float4(across._12, down._21, width._22, ddx_fine(m)._21);
}
