// Windows: SV_OutputControlPointID is a hull shader's input only; a geometry shader cannot take it.
// verdict: compile-error GSMain X4502
// error text: invalid gs_5_0 input semantic 'SV_OutputControlPointID'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_OutputControlPointID: hull shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(1)]
void GSMain(point VSOut input[1], uint id : SV_OutputControlPointID, inout PointStream<VSOut> stream)
{
    VSOut v = input[0];
    v.pos.x += id;
    stream.Append(v);
}
