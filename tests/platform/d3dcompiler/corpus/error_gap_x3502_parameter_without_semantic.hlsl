// Windows: an entry point's input parameter without a semantic is refused.
// verdict: compile-error PSMain X3502
// group: semantics
// error text: error X3502: 'PSMain': input parameter 'shade' missing semantics
// source: fxc's words as Tint's test expectations quote them ("error X3502: 'f': input parameter 'inputs' missing semantics"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (entry point inputs and outputs need semantics)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position, float shade) : SV_Target
{
    return position * shade;
}
