// Windows: ?: with a bool matrix condition picks per component between two
// matrices of its shape; with a bool scalar it picks a whole matrix.
// verdict: accepted
// probe: -1 2 -3 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("HLSL expressions never short-circuit an evaluation because they are vector operations"; the conditional operator is applied per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 3, 4) * one;
    bool2x2 even = float2x2(0, 1, 0, 1) * one;
    float2x2 picked = even ? m : -m;
    float2x2 whole = one > 0.5 ? picked : m;
    return float4(whole._11, whole._12, whole._21, whole._22);
}
