// Windows: a uint matrix's arithmetic wraps modulo 2^32 per component, as
// uint scalars do: 1 - 2 is 4294967295, which converts to float as
// 4294967296.
// verdict: accepted
// probe: 4294967296 1 2 4294967296
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (a matrix of any scalar type, its operators per component as dx-graphics-hlsl-per-component-math describes) and iadd--sm4---asm- (32-bit results)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint one = uint(position.x * 2.0);
    uint2x2 u = uint2x2(1, 2, 3, 4) * one;
    uint2x2 w = u - 2u;  // 4294967295 0 1 2
    return float4(w._11, w._21, w[1][1], (float)(w[0][0] * one));
}
