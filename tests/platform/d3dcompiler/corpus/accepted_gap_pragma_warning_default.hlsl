// Windows: #pragma warning(default : 3206) after disable gives the warning
// again.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning ("default: Reset warning behavior to its default value")
#pragma warning(disable : 3206)
#pragma warning(default : 3206)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"
