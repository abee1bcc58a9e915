// Windows: true converts to 1, any nonzero value to true, zero to false.
// verdict: accepted
// probe: 1 1 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("bool: true or false") and dx-graphics-hlsl-any (a value is true when "non-zero")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusThree = (int)(-position.x * 6.0);
    return float4((int)(position.x > 0.0), (uint)(bool)(position.x * 4.0),
                  (float)(bool)(position.x - 0.5), (float)(bool)minusThree);
}
