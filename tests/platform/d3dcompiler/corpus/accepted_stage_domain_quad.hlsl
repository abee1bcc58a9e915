// Windows: a quad domain shader reads a float2 SV_DomainLocation and its patch's primitive id.
// verdict: accepted DSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_DomainLocation: float2 for a quad patch; SV_PrimitiveID is a domain shader input) and direct3d11/direct3d-11-advanced-stages-tessellation
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
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
};
[domain("quad")]
DomainOut DSMain(PatchConstants constants, float2 uv : SV_DomainLocation,
                 const OutputPatch<ControlPoint, 4> patch, uint primitive : SV_PrimitiveID)
{
    DomainOut o;
    float3 top = lerp(patch[0].pos, patch[1].pos, uv.x);
    float3 bottom = lerp(patch[3].pos, patch[2].pos, uv.x);
    o.pos = float4(lerp(top, bottom, uv.y), 1.0 + primitive);
    return o;
}
