// Windows: a flat initialiser list with fewer values than the structure has scalars is an error.
// verdict: compile-error PSMain -
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: the list must give every component); Windows' compiler refuses the list
#include "probe_stages.hlsli"
struct Pair
{
    float2 first;
    float2 second;
};
float4 PSMain() : SV_Target
{
    Pair pair = { 1, 2, 3 };
    return float4(pair.first, pair.second);
}
