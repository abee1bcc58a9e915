// Windows: true and false are 1 and 0 in arithmetic; a nonzero number is
// true in a bool.
// verdict: accepted
// probe: 2 1 1 0
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (bool: true or false) and dx-graphics-hlsl-conversions (bool to numeric is 0 or 1; numeric to bool is nonzero)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    bool fromTwo = 2.0 * one;
    bool fromHalf = 0.5 * one;
    bool fromZero = 0.0 * one;
    return float4((true + true) * one, fromTwo, fromHalf, fromZero);
}
