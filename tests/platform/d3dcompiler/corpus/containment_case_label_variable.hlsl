// Windows: a case label must be a constant expression.
// verdict: compile-error PSMain -
// group: containment
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch ("case label: ... must be a constant literal")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int which = (int)position.x;
    float result = 0;
    switch (which)
    {
    case which:
        result = 1;
        break;
    default:
        break;
    }
    return result;
}
