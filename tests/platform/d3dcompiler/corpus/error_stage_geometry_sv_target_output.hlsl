// Windows: SV_Target is a pixel shader's output; a geometry shader cannot write it.
// verdict: compile-error GSMain X4502
// error text: invalid gs_5_0 output semantic 'SV_Target'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Target: pixel shader output only); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
struct GSOut
{
    float4 pos : SV_Position;
    float4 color : SV_Target;
};
[maxvertexcount(1)]
void GSMain(point float4 input[1] : SV_Position, inout PointStream<GSOut> stream)
{
    GSOut o;
    o.pos = input[0];
    o.color = 1;
    stream.Append(o);
}
