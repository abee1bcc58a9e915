// Windows: arrays are values: assignment and parameters copy them, so a
// write to the copy leaves the original.
// verdict: accepted
// probe: 1 9 5 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (in parameters are copied in; the caller's value is unchanged) and dx-graphics-hlsl-variable-syntax (arrays)
#include "probe_stages.hlsli"
float Scribble(float values[2])
{
    values[0] = 5.0;
    return values[0];
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float original[2] = { position.x * 2.0, 2.0 };
    float copy[2] = original;
    copy[0] = 9.0;
    float written = Scribble(original);
    return float4(original[0], copy[0], written, original[1]);
}
