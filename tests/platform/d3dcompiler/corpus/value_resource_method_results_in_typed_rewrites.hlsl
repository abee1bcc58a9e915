// Windows: a structured buffer element's matrix (column-major, as matrices are by default) multiplies another matrix per component with *, and compares per component; a method's value picks the float4 overload.
// verdict: accepted
// probe: 6 1 4 1
// group: resources
// buffer t0: structured 16 1 : 1.0 2.0 3.0 4.0
// texture t1: 2d r32g32b32a32_float 1x1 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("the * operator ... is a per-component multiply"; mul is the matrix product); dx-graphics-hlsl-function-syntax (overloads chosen by argument types); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load (the return type matches the object's element type)
#include "resource_stages.hlsli"
StructuredBuffer<float2x2> matrices : register(t0);
Texture2D<float4> colours : register(t1);
float Pick(float value) { return 1; }
float Pick(float4 value) { return 4; }
float4 PSMain() : SV_Target
{
    float2x2 twos = { 2, 2, 2, 2 };
    float2x2 product = matrices[0] * twos;
    bool2x2 above = matrices[0] > 2.5;
    return float4(product[0][1], above[0][1] ? 1 : 0, Pick(colours.Load(int3(0, 0, 0))), Pick(colours.Load(int3(0, 0, 0)).y));
}
