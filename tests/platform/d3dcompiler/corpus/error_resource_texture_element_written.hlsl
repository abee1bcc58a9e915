// Windows: a Texture2D element is read-only: assigning to it is X3025.
// verdict: compile-error PSMain X3025
// group: resources
// error text: l-value specifies const object
// texture t0: 2d r32g32b32a32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("g_t1d[0] = f4; ... X3025: l-value specifies const object"); learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2d ("you can only read from a Texture2D object")
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
float4 PSMain() : SV_Target
{
    colours[uint2(0, 0)] = 1;
    return 0;
}
