// Windows: globals go to $Globals, not to a constant buffer declared before
// them; a cbuffer in b0 and the unused $Globals keep their own layouts.
// verdict: accepted
// probe: 4 5 6 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-constants ("global variables ... go into a default constant buffer called $Globals")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float4 first;
    float3 second;
};
static float local = 0;
float4 PSMain() : SV_Target
{
    return float4(second, local);
}
