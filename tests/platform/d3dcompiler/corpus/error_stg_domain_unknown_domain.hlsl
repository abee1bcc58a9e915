// Windows: a domain shader's domain takes tri, quad or isoline; "patch" is refused.
// verdict: compile-error DSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-domain-shader-design (the domain attribute: tri, quad or isoline); fxc's words for it were not found
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
[domain("patch")]
float4 DSMain(PatchConstants constants, float3 location : SV_DomainLocation,
              const OutputPatch<ControlPoint, 3> patch) : SV_Position
{
    return float4(patch[0].pos * location.x + patch[1].pos * location.y + patch[2].pos * location.z, 1);
}
