// Windows: an initialiser list may give a structure's scalars in one flat list, filled member by member, component by component.
// verdict: accepted
// probe: 1 2 0.5 4
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: "{ expression, ... }" lists; the values are assigned in order to the variable's components) and dx-graphics-hlsl-struct
#include "probe_stages.hlsli"
struct Pair
{
    float2 first;
    float2 second;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair pair = { 1, 2,
                  position.x, 4 };
    return float4(pair.first, pair.second);
}
