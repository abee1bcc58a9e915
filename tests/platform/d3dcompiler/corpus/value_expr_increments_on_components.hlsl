// Windows: ++ and -- apply to vector components, array elements and an
// element's component.
// verdict: accepted
// probe: 3 7 2 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (prefix and postfix increment and decrement)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 v = float4(1, 2, 3, 4) * one;
    v.y++;
    ++v.z;
    float a[3] = { one, 2 * one, 3 * one };
    a[1]++;
    --a[2];
    int2 pairs[2];
    pairs[0] = int2(5, 6) * (int)one;
    pairs[1] = 0;
    pairs[0].y--;
    return float4(v.y, v.z + a[1], a[2], pairs[0].y);
}
