// Windows: one attribute given twice to the same loop.
// verdict: compile-error PSMain -
// group: refuse
// error text: duplicate attribute 'unroll'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (a loop takes each attribute once); issue 20 records Windows refusing duplicate attributes; Windows' number and words for it were not found, so the words are our own
float Shade(float y)
{
    float sum = 0.0;
    [unroll] [unroll]
    for (int i = 0; i < 4; i++) {
        sum += 0.125 * y;
    }
    return 0.5 + sum;
}
#include "shade_stages.hlsli"
