// Windows: [unroll] on a loop whose bound the program sets: the compiler
// cannot tell how often it runs and refuses to unroll it.
// verdict: compile-error PSMain X3511
// group: attributes
// error text: unable to unroll loop, loop does not appear to terminate in a timely manner (1024 iterations)
// source: fxc's "error X3511: unable to unroll loop, loop does not appear to terminate in a timely manner (1024 iterations)", quoted in Tint's FXC test expectations and a question-and-answer thread found by code search; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (unroll: "unroll the loop until it stops executing")
cbuffer Steps : register(b1)
{
    int stepCount;
};
float Shade(float y)
{
    float sum = 0.0;
    [unroll] for (int i = 0; i < stepCount; i++)
        sum += 0.125 * y;
    return sum;
}
#include "shade_stages.hlsli"
