// Windows: #pragma warning(pop) undoes an (error : 3206) made after push,
// so the truncation after it only warns.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning (push stores the warning state, pop restores it; error treats the warnings as errors)
#pragma warning(push)
#pragma warning(error : 3206)
#pragma warning(pop)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"
