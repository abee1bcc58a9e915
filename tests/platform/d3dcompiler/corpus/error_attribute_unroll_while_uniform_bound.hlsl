// Windows: [Unroll] (any case) on a while loop whose bound the program sets: the compiler cannot tell how often it runs and refuses to unroll it.
// verdict: compile-error PSMain X3511
// group: attributes
// error text: unable to unroll loop, loop does not appear to terminate in a timely manner (1024 iterations)
// source: fxc's "error X3511: unable to unroll loop, loop does not appear to terminate in a timely manner (1024 iterations)", quoted in Tint's FXC test expectations; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-while (unroll: "unroll the loop until it stops executing"); attribute names match in any case (DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl, Test_Unroll)
cbuffer Steps : register(b1)
{
    int count;
};
float Shade(float y)
{
    float sum = 0;
    int i = 0;
    [Unroll]
    while (i < count)
    {
        sum += y;
        ++i;
    }
    return sum;
}
#include "shade_stages.hlsli"
