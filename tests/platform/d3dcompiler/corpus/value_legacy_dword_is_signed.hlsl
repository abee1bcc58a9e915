// Windows: DWORD is a typedef of int, so a DWORD holding -1 is negative and
// divides as a signed integer.
// verdict: accepted
// probe: 1 -2 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-user-defined ("For compatibility with DirectX 8 effects, the following types are automatically defined at super-global scope: typedef int DWORD; typedef float FLOAT; typedef vector <float, 4> VECTOR; typedef matrix <float, 4, 4> MATRIX; typedef string STRING; typedef texture TEXTURE; typedef pixelshader PIXELSHADER; typedef vertexshader VERTEXSHADER;")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    DWORD d = (DWORD)(position.x - 1.5);
    return float4(d < 0 ? 1 : 0, d * 2, 0, 0);
}
