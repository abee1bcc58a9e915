// Windows: true converts to 1, any nonzero value to true, zero to false.
// verdict: accepted
// probe: 1 1 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("bool: true or false") and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (a nonzero value is true)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusThree = (int)(-position.x * 6.0);
    return float4((int)(position.x > 0.0), (uint)(bool)(position.x * 4.0),
                  (float)(bool)(position.x - 0.5), (float)(bool)minusThree);
}
