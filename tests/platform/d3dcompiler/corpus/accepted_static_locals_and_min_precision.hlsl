// Windows: static locals and the minimum-precision types of shader model 5.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static locals) and dx-graphics-hlsl-scalar (min16float, min10float, min16int, min12int, min16uint)
float Shade(float y)
{
    static const float kScale = 0.5;
    min16float half = (min16float)y;
    min16int count = 2;
    min16uint mask = 1;
    return kScale + half * 0.25 + (count & mask) * 0.0;
}
#include "shade_stages.hlsli"
