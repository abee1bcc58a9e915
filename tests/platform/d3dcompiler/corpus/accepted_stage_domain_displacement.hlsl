// Windows: a domain shader displaces its point by a height read with SampleLevel.
// verdict: accepted DSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (a domain shader may sample textures for displacement) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel
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
Texture2D heights : register(t0);
SamplerState linearSampler : register(s0);
struct DomainOut
{
    float4 pos : SV_Position;
    float2 uv : TEXCOORD0;
};
[domain("tri")]
DomainOut DSMain(PatchConstants constants, float3 uvw : SV_DomainLocation,
                 const OutputPatch<ControlPoint, 3> patch)
{
    DomainOut o;
    o.uv = patch[0].uv * uvw.x + patch[1].uv * uvw.y + patch[2].uv * uvw.z;
    float3 pos = patch[0].pos * uvw.x + patch[1].pos * uvw.y + patch[2].pos * uvw.z;
    pos.y += heights.SampleLevel(linearSampler, o.uv, 0).r;
    o.pos = float4(pos, 1);
    return o;
}
