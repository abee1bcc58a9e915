// Windows: isnan, isinf and isfinite take a matrix and give a bool matrix of
// its shape, each component tested on its own.
// verdict: accepted
// probe: 1 1 1 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-isnan, dx-graphics-hlsl-isinf, dx-graphics-hlsl-isfinite (the parameter "x: the specified value" of scalar, vector or matrix type; the result "of the same dimension", each component true or false)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float2x2 m = float2x2(1, zero / zero, 1 / zero, -1 / zero);
    bool2x2 nan = isnan(m);
    bool2x2 infinite = isinf(m);
    bool2x2 finite = isfinite(m);
    return float4(nan._12 && !nan._11, infinite._22 && infinite._21, finite._11, finite._21);
}
