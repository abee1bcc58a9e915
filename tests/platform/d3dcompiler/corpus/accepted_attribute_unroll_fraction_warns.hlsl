// Windows: a fractional unroll count is only a warning (X3554), and the
// attribute is ignored.
// verdict: accepted
// warning: X3554 cannot match attribute unroll, parameter 1 is expected to be of type int
// group: attributes
// source: fxc's "warning X3554: cannot match attribute unroll, parameter 1 is expected to be of type int", quoted for [unroll(1.5)] in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl (flt_unroll)
float Shade(float y)
{
    float sum = 0.0;
    [unroll(1.5)] for (int i = 0; i < 4; i++)
        sum += y * 0.25;
    return sum;
}
#include "shade_stages.hlsli"
