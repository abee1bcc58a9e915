// Windows: Windows 10's compiler reads an RWTexture2D<float4> element in shader model 5 (the older Windows 7 compiler refused it with X3676); whether a device loads that format is the device's TypedUAVLoadAdditionalFormats, not the compiler's.
// verdict: accepted CSMain
// group: resources
// uav u0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3d12/typed-unordered-access-view-loads ("D3D12 (and D3D11.3) expands on the list of formats that can be used with typed UAV loads"); a public installer script found by code search notes that the Windows 7 era d3dcompiler_47 "lacks SM5.x extended typed UAV loads" and fails with X3676 where the Windows 8.1 and later build compiles
RWTexture2D<float4> colours : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    colours[uint2(0, 0)] = colours[uint2(0, 0)] * 2;
}
