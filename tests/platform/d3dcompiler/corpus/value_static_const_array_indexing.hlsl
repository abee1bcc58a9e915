// Windows: a static const array takes its initialiser and is indexed by a
// value computed at run time, also from the end and through a struct member.
// verdict: accepted
// probe: 30 10 40 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static const initialisers; arrays)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
};
static const float kTable[4] = {10, 20, 30, 40};
static const Pair kPairs[2] = {{1, 2}, {5, 6}};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 4.0); // 2
    return float4(kTable[i], kTable[i - 2], kTable[3 - (i - 2)], kPairs[i - 1].b);
}
