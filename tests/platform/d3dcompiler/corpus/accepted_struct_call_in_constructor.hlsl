// Windows: a structure returned by a function, given to a vector's
// constructor or cast to a vector, gives its members' components in order.
// verdict: accepted
// probe: 0.5 1 3 2
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math and dx-graphics-hlsl-struct (structures convert to vectors component by component when their sizes match; any expression of the structure's type converts as a variable does)
#include "probe_stages.hlsli"
struct Pair
{
    float2 first;
    float second;
};
struct Weight
{
    float value;
};
Pair MakePair(float x)
{
    Pair pair;
    pair.first = float2(x, x * 2.0);
    pair.second = x * 6.0;
    return pair;
}
Weight MakeWeight(float x)
{
    Weight weight;
    weight.value = x * 4.0;
    return weight;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float3 pair = (float3)MakePair(position.x);
    return float4(pair, MakeWeight(position.x));
}
