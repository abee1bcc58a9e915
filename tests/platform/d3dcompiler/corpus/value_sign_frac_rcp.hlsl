// Windows: sign gives -1, 0 or 1; frac is x - floor(x), so positive for
// negative x; rcp is 1 / x.
// verdict: accepted
// probe: -1 0 0.75 0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sign ("-1 if x is less than zero; 0 if x equals to zero; and 1 if x is greater than zero"), dx-graphics-hlsl-frac ("greater than or equal to 0 and less than 1") and dx-graphics-hlsl-rcp
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    return float4(sign(-half), sign(half - 0.5), frac(-half * 0.5), rcp(half * 4.0));
}
