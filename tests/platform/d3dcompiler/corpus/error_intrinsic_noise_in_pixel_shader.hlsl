// Windows: noise runs only in texture shaders (tx_1_0, run on the CPU), so a
// pixel shader cannot call it (fxc's words for it were not found).
// verdict: compile-error PSMain -
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-noise (minimum shader model: tx_1_0 only; "not supported in ... shaders" of the vs and ps models), and a gamedev.net answer (forums/topic/136626: "The noise() intrinsic function is not supported on any pixelshader or vertexshader target")
float Shade(float y)
{
    return noise(float3(y, y, y));
}
#include "shade_stages.hlsli"
