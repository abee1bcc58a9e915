// Windows: STRING and TEXTURE, the DirectX 8 effects' names of string and
// texture, declare globals that a shader compile takes and ignores.
// verdict: accepted
// probe: 0 1 2 3
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-user-defined ("For compatibility with DirectX 8 effects, the following types are automatically defined at super-global scope: typedef int DWORD; typedef float FLOAT; typedef vector <float, 4> VECTOR; typedef matrix <float, 4, 4> MATRIX; typedef string STRING; typedef texture TEXTURE; typedef pixelshader PIXELSHADER; typedef vertexshader VERTEXSHADER;")
#include "probe_stages.hlsli"
STRING title = "legacy";
TEXTURE legacyTexture;
float4 values;
float4 PSMain() : SV_Target
{
    return values;
}
