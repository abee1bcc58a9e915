// Windows: shader model 5.0 has 64 UAV slots (Direct3D 11.1's
// D3D11_1_UAV_SLOT_COUNT), so a compute shader's UAV at u64 is refused: X4509.
// verdict: compile-error CSMain X4509
// group: resources
// error text: maximum UAV register index exceeded, target has 64 slots, manual bind to slot u64 failed
// source: fxc's "error X4509: maximum UAV register index exceeded, target has 1 slots, manual bind to slot u1 failed" for cs_4_0, quoted in shader-slang/slang issue 1639; learn.microsoft.com/windows/win32/api/d3d11shader/nf-d3d11shader-id3d11shaderreflection-getrequiresflags (D3D_SHADER_REQUIRES_64_UAVS) and D3D11_1_UAV_SLOT_COUNT = 64 in d3d11.h
RWStructuredBuffer<float> written : register(u64);
[numthreads(1, 1, 1)]
void CSMain()
{
    written[0] = 1;
}
