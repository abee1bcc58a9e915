// Windows: D3DCOMPILE_PACK_MATRIX_ROW_MAJOR packs a matrix without its own
// ordering row by row, so its first row is the buffer's first register.
// verdict: accepted
// flags: PACK_MATRIX_ROW_MAJOR
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_PACK_MATRIX_ROW_MAJOR: "Directs the compiler to pack matrices in row-major order on input and output from the shader"); dx-graphics-hlsl-per-component-math (matrix ordering)
#include "probe_stages.hlsli"
cbuffer Constants : register(b0)
{
    float4x4 m;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return m[0];
}
