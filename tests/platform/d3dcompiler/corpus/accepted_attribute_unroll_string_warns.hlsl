// Windows: [unroll("2")] is not an int count: fxc warns twice and compiles the loop.
// verdict: accepted
// warning: X3554 cannot match attribute unroll, parameter 1 is expected to be of type int
// group: attributes
// source: fxc's "warning X3554: cannot match attribute unroll, parameter 1 is expected to be of type int" and "warning X3554: unknown attribute unroll, or attribute invalid for this statement, valid attributes are: loop, fastopt, unroll, allow_uav_condition" for [unroll("2")] on a for loop, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
float Shade(float y)
{
    float sum = 0;
    [unroll("2")]
    for (int i = 0; i < 4; ++i)
    {
        sum += y;
    }
    return sum * 0.25;
}
#include "shade_stages.hlsli"
