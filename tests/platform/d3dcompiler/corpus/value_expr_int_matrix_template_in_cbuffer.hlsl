// Windows: matrix<int, 2, 2> in a constant buffer holds integer bits, one
// register per column, as int2x2 does.
// verdict: accepted
// probe: 1 1 1 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (template-style declaration of any scalar type) and dx-graphics-hlsl-packing-rules; asint: dx-graphics-hlsl-asint
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    matrix<int, 2, 2> m;
};
float4 PSMain() : SV_Target
{
    return float4(m._11 == 0, m._12 == asint(4.0), m._21 == asint(1.0), m[1][1] == asint(5.0));
}
