// Windows: ?: with a vector condition chooses per component.
// verdict: accepted
// probe: 10 20 3 4
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (conditional operator; per-component for vectors); DirectXShaderCompiler's tools/clang/test/HLSL/conditional.hlsl (fxc's words recorded beside each line as fxc-error) ("b4 ? v0 : (v0 + 1.0F)" compiles)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 a = float4(1, 2, 3, 4) * one;
    float4 b = a * 10;
    return (a > 2.5) ? a : b;
}
