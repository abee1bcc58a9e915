// Windows: a warning number below 1000 in #pragma warning stands for 4000
// more, so (disable : 0) silences X4000 and leaves X3206 alone.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning ("The compiler will add 4000 to any warning number that is between 0 and 999")
#pragma warning(disable : 0)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    float unset;
    if (y > 2.0)
    {
        unset = 1.0;
    }
    return pair.x + unset * 0.0;
}
#include "shade_stages.hlsli"
