// Windows: #pragma def sets a constant register and is accepted.
// verdict: accepted
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma (#pragma def ( target, register, value1, value2, value3, value4 ))
#pragma def(ps_5_0, c0, 0.0, 0.0, 0.0, 0.0)
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
