// Windows: the upper-case type names of the first shader compilers (FLOAT,
// DWORD, VECTOR, MATRIX and the like) still name float, dword, vector and matrix.
// verdict: accepted
// group: accept
// source: DirectXShaderCompiler issue #3269 ("No default typedef for FLOAT"): fxc compiles FLOAT, which D3DX_DXGIFormatConvert.inl uses; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector and -matrix (vector and matrix without arguments are float4 and float4x4)
static const FLOAT kHalf = 0.5;
static const DWORD kMask = 3;
static const VECTOR kWeights = { 0.25, 0.5, 0.75, 1.0 };
static const MATRIX kIdentity = { 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1 };
float Shade(FLOAT y)
{
    return kHalf + kHalf * y * kWeights[kMask] * kIdentity[1][1];
}
#include "shade_stages.hlsli"
