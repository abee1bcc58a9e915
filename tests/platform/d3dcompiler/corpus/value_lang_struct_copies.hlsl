// Windows: structures are values, their array members too: assignment and
// parameters copy the whole structure.
// verdict: accepted
// probe: 1 8 4 6
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-parameters (in parameters are copied in)
#include "probe_stages.hlsli"
struct Bag
{
    float weight;
    float items[2];
};
float Empty(Bag bag)
{
    bag.items[1] = 0.0;
    bag.weight = 4.0;
    return bag.weight;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Bag a;
    a.weight = position.x * 2.0;
    a.items[0] = 3.0;
    a.items[1] = 6.0;
    Bag b = a;
    b.weight = 8.0;
    float emptied = Empty(a);
    return float4(a.weight, b.weight, emptied, a.items[1]);
}
