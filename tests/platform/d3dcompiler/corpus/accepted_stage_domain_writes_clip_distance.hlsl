// Windows: a domain shader reads its patch's primitive id and writes a clip distance.
// verdict: accepted DSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_PrimitiveID: domain shader input; SV_ClipDistance: domain shader output)
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
};
struct DomainOut
{
    float4 pos : SV_Position;
    float clip : SV_ClipDistance;
};
[domain("quad")]
DomainOut DSMain(PatchConstants constants, float2 uv : SV_DomainLocation,
                 const OutputPatch<ControlPoint, 4> patch, uint primitive : SV_PrimitiveID)
{
    DomainOut o;
    o.pos = float4(lerp(lerp(patch[0].pos, patch[1].pos, uv.x), lerp(patch[3].pos, patch[2].pos, uv.x), uv.y), 1);
    o.clip = o.pos.y - primitive;
    return o;
}
