// Windows: shader model 5.0 has no string-typed parameters or defaults.
// verdict: compile-error PSMain -
// group: containment
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-data-types (string: "There are no operations or states that accept strings", for effects' annotations only)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position, string name = "x") : SV_Target
{
    return position;
}
