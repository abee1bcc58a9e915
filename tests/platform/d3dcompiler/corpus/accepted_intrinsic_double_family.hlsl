// Windows: shader model 5's double operations: arithmetic, comparisons,
// abs, min, max, fma, asdouble and conversions to and from float.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-fma ("double"), dx-graphics-hlsl-asdouble, dx-graphics-hlsl-scalar (double) and the sm5 asm double instructions (dadd, dmul, dmin, dmax, deq, dge, dlt, dfma, dtof, ftod)
float Shade(float y)
{
    double d = (double)y;
    double e = abs(-d) + min(d, 0.25L) + max(d, 0.5L) + fma(d, d, 1.0L) + asdouble(1u, 2u);
    bool near = d >= 0.0L && d < 2.0L && d != e;
    return (float)(e * d + d) * 0.1 + near;
}
#include "shade_stages.hlsli"
