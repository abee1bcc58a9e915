// Windows: out and inout parameters are copied back to the caller when the
// function returns; an in parameter's writes stay inside.
// verdict: accepted
// probe: 6 1 4 7
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("out: copied back to the caller when the function returns"; "inout: copied in and out")
#include "probe_stages.hlsli"
void Update(in float keep, out float made, inout float doubled)
{
    keep = 100.0;
    made = keep * 0.0 + 4.0;
    doubled = doubled * 2.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float keep = position.x * 2.0;
    float made = 0.0;
    float doubled = 3.0;
    Update(keep, made, doubled);
    return float4(doubled, keep, made, made + doubled - 3.0);
}
