// Windows: shader model 5.0 has 64 UAV slots (Direct3D 11.1), so a compute
// shader may bind a UAV at u63; the compile marks the shader as needing 64 UAVs.
// verdict: accepted CSMain
// group: resources
// source: learn.microsoft.com/windows/win32/api/d3d11shader/nf-d3d11shader-id3d11shaderreflection-getrequiresflags (D3D_SHADER_REQUIRES_64_UAVS: "Shader requires 64 UAVs") and D3D11_1_UAV_SLOT_COUNT = 64 in d3d11.h
RWStructuredBuffer<float> first : register(u8);
RWStructuredBuffer<float> last : register(u63);
[numthreads(1, 1, 1)]
void CSMain()
{
    first[0] = 1;
    last[0] = 2;
}
