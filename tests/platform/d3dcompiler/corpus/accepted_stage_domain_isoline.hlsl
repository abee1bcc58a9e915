// Windows: an isoline domain shader reads its tessellation factors back through SV_TessFactor.
// verdict: accepted DSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_TessFactor is a domain shader input too; float2 SV_DomainLocation for an isoline)
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
    float factors[2] : SV_TessFactor;
};
[domain("isoline")]
DomainOut DSMain(PatchConstants constants, float2 uv : SV_DomainLocation,
                 const OutputPatch<ControlPoint, 2> patch)
{
    DomainOut o;
    o.pos = float4(lerp(patch[0].pos, patch[1].pos, uv.x), constants.factors[1]);
    return o;
}
