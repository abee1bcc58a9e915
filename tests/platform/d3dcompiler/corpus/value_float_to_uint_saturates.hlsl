// Windows: float-to-integer conversions saturate; negative floats become 0u and NaN 0u.
// verdict: accepted
// probe: 0 4294967295 2147483647 -2147483648
// group: values
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (Float -> Integer conversion: "NaN is converted to 0", out-of-range values clamp to the nearest representable value)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float negative = position.x * 2.0 - 8.5; // -7.5
    float huge = position.x * 2.0e10;        // 1e10
    return float4((uint)negative, (uint)huge, (int)huge, (int)(-huge));
}
