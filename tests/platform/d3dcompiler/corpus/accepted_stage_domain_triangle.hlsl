// Windows: ds_5_0 builds a domain shader that weights a triangle patch's control points by SV_DomainLocation.
// verdict: accepted DSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d11/direct3d-11-advanced-stages-tessellation (domain shader design: [domain("tri")], the patch constants, float3 SV_DomainLocation, const OutputPatch) and specifying-compiler-targets (ds_5_0)
struct ControlPoint
{
    float3 pos : POSITION;
};
struct DomainOut
{
    float4 pos : SV_Position;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
[domain("tri")]
DomainOut DSMain(PatchConstants constants, float3 uvw : SV_DomainLocation,
                 const OutputPatch<ControlPoint, 3> patch)
{
    DomainOut o;
    float3 pos = patch[0].pos * uvw.x + patch[1].pos * uvw.y + patch[2].pos * uvw.z;
    o.pos = float4(pos, constants.inside);
    return o;
}
