// Windows: dot works on int vectors; any and all test components against zero.
// verdict: accepted
// probe: 32 1 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dot (float or int components), dx-graphics-hlsl-any ("True if any components of the x parameter are non-zero") and dx-graphics-hlsl-all
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    int3 a = int3(1, 2, 3) * one;
    return float4(dot(a, int3(4, 5, 6)), any(float3(0, position.x, 0)),
                  all(float2(position.x, 0)), all(int2(3, -one)));
}
