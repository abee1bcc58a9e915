// Windows: SV_DomainLocation is a domain shader's input only; a geometry shader cannot take it.
// verdict: compile-error GSMain X4502
// error text: invalid gs_5_0 input semantic 'SV_DomainLocation'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_DomainLocation: domain shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(1)]
void GSMain(point VSOut input[1], float3 where : SV_DomainLocation, inout PointStream<VSOut> stream)
{
    VSOut o = input[0];
    o.pos.xyz += where;
    stream.Append(o);
}
