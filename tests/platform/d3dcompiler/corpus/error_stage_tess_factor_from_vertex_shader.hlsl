// Windows: SV_TessFactor is written by a hull shader's patch constants, not by a vertex shader.
// verdict: compile-error VSMain X4502
// error text: invalid vs_5_0 output semantic 'SV_TessFactor'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_TessFactor: hull shader output, domain shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
struct VSOut
{
    float4 pos : SV_Position;
    float factor : SV_TessFactor;
};
VSOut VSMain(float4 pos : POSITION)
{
    VSOut o;
    o.pos = pos;
    o.factor = 1;
    return o;
}
