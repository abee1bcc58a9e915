// Windows: a StructuredBuffer<float3x3> element is 36 bytes, its columns packed one after another (matrices are column-major by default).
// verdict: accepted
// probe: 4 9 11 18
// group: resources
// buffer t0: structured 36 2 : 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0 13.0 14.0 15.0 16.0 17.0 18.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer; structured buffers hold their elements tightly, each member at the next 4-byte boundary with no 16-byte register rules (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules concerns constant buffers only; a structured buffer's stride is the structure's size, sizeof(float3) being 12); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("matrix packing order for uniform parameters is set to column-major by default")
#include "resource_stages.hlsli"
StructuredBuffer<float3x3> matrices : register(t0);
float4 PSMain() : SV_Target
{
    float3x3 second = matrices[1];
    return float4(matrices[0][0][1], matrices[0][2][2], second[1][0], second._m22);
}
