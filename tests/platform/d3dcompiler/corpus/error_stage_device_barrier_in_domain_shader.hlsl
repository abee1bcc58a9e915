// Windows: DeviceMemoryBarrier is for pixel and compute shaders only, not a domain shader.
// verdict: compile-error DSMain -
// group: stages
// error text: cannot map expression to ds_5_0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/devicememorybarrier ("supported in the following types of shaders": pixel and compute); fxc's words for it were not found quoted: those it gives for Sample outside a pixel shader (X4532) are expected, not checked by number
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
[domain("tri")]
float4 DSMain(PatchConstants constants, float3 uvw : SV_DomainLocation,
              const OutputPatch<ControlPoint, 3> patch) : SV_Position
{
    DeviceMemoryBarrier();
    return float4(patch[0].pos * uvw.x + patch[1].pos * uvw.y + patch[2].pos * uvw.z, 1);
}
