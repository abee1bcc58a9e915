// Windows: SV_DomainLocation belongs to the domain shader; a hull shader cannot take it.
// verdict: compile-error HSMain X4502
// error text: invalid hs_5_0 input semantic 'SV_DomainLocation'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_DomainLocation: domain shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
struct ControlPoint
{
    float3 pos : POSITION;
    float2 uv : TEXCOORD0;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain()
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = 1;
    o.inside = 1;
    return o;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID,
                    float3 where : SV_DomainLocation)
{
    ControlPoint o = patch[i];
    o.pos += where;
    return o;
}
