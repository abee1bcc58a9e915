// Windows: an out or inout argument may be a swizzle, a member or an array
// element; the function's value is copied back into just those components.
// verdict: accepted
// probe: 5 3 4 8
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (out and inout parameters are copied back to the caller's argument on return)
#include "probe_stages.hlsli"
struct Pair
{
    float first;
    float second;
};
void SetTo(out float target, float value)
{
    target = value;
}
void Swap(inout float2 v)
{
    v = v.yx;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 v = float4(position.x * 2.0, 2.0, 3.0, 4.0);
    SetTo(v.x, 5.0);
    Swap(v.zy);
    Pair pair;
    pair.first = 0.0;
    SetTo(pair.first, 4.0);
    float values[2] = { 0.0, 0.0 };
    SetTo(values[1], 8.0);
    return float4(v.x, v.y, pair.first, values[1]);
}
