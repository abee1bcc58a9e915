// Windows: sinh, cosh and tanh of 1, 1 and 0.5, and acos(-1) = pi (read in
// thousandths).
// verdict: accepted
// probe: 1175 1543 462 3142
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sinh, dx-graphics-hlsl-cosh, dx-graphics-hlsl-tanh and dx-graphics-hlsl-acos
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return round(float4(sinh(one), cosh(one), tanh(one * 0.5), acos(-one)) * 1000.0);
}
