// Windows: the legacy upper-case type names: VECTOR is float4, MATRIX
// float4x4, FLOAT float and DWORD a 32-bit unsigned integer; as globals they
// pack as those types.
// verdict: accepted
// probe: 4 0 8 24
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-user-defined ("For compatibility with DirectX 8 effects, the following types are automatically defined at super-global scope: typedef int DWORD; typedef float FLOAT; typedef vector <float, 4> VECTOR; typedef matrix <float, 4, 4> MATRIX; typedef string STRING; typedef texture TEXTURE; typedef pixelshader PIXELSHADER; typedef vertexshader VERTEXSHADER;")
#include "probe_stages.hlsli"
FLOAT f;
VECTOR v;
MATRIX m;
DWORD d;
float4 PSMain() : SV_Target
{
    return float4(v.x, f, m._11, asfloat(d));
}
