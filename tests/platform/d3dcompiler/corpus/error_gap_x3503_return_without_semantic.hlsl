// Windows: an entry point returning a value without a semantic is refused.
// verdict: compile-error PSMain X3503
// group: semantics
// error text: error X3503: 'PSMain': function return value missing semantics
// source: fxc's message text "'%s': function return value missing semantics" (error 3503), as public notes on OBS's and RetroArch's shaders quote it; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position)
{
    return position;
}
