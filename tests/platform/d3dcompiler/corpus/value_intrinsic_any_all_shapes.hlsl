// Windows: any and all take scalars, vectors and matrices of every
// numeric type and bool.
// verdict: accepted
// probe: 1 0 0 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-any and dx-graphics-hlsl-all (x: scalar, vector or matrix; float, int or bool)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    int zero = (int)(h - 0.5);
    return float4(any(float2x2(0, 0, 0, h)), all(bool3(true, h > 0.0, false)), any(int3(zero, zero, zero)),
                  all(uint2(1, 2) + zero));
}
