// Windows: a domain shader reads its patch constants, including the tess factors, beside the domain location and the output patch.
// verdict: accepted DSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-domain-shader-design (the patch constant data, SV_DomainLocation and the OutputPatch as inputs) and dx-graphics-hlsl-semantics (SV_TessFactor, SV_InsideTessFactor as domain shader inputs)
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
    float3 centre : CENTRE;
};
struct DSOut
{
    float4 pos : SV_Position;
    float level : TEXCOORD0;
};
[domain("quad")]
DSOut DSMain(PatchConstants constants, float2 uv : SV_DomainLocation,
             const OutputPatch<ControlPoint, 4> patch)
{
    DSOut o;
    float3 top = lerp(patch[0].pos, patch[1].pos, uv.x);
    float3 bottom = lerp(patch[3].pos, patch[2].pos, uv.x);
    o.pos = float4(lerp(top, bottom, uv.y) + constants.centre, 1);
    o.level = constants.edges[0] + constants.inside[1];
    return o;
}
