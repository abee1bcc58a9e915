// Windows: HLSL's warning pragma has no push or pop, so the (error : 3206)
// made between them stands and the truncation after them fails the compile.
// verdict: compile-error PSMain X3206
// group: warnings
// error text: implicit truncation of vector type
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning ("The HLSL warning pragma does not support the push and pop functionality of the warning pragma included in the C++ compiler"; error: "Report the warnings with the specified numbers as errors")
#pragma warning(push)
#pragma warning(error : 3206)
#pragma warning(pop)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"
