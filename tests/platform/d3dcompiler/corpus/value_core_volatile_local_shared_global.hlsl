// Windows: volatile marks a local and shared a global; neither changes a
// value: a shared global is a constant of $Globals like any other.
// verdict: accepted
// probe: 0 1 3 1
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (storage classes "shared: Mark a variable for sharing between effects", "volatile: Mark a variable that changes frequently ... This keyword is only for local variables"); globals in $Globals as dx-graphics-hlsl-constants describes
#include "probe_stages.hlsli"
shared float g0;
float g1;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    volatile float v = position.x * 2.0;
    v += 2.0;
    return float4(g0, g1, v, position.x * 2.0);
}
