// Windows: min16float, min10float, min16int, min12int and min16uint compute
// at least at their precision; values they hold exactly come out exact.
// verdict: accepted
// probe: 1.5 -3 7 0.25
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (min16float "minimum 16-bit floating point value", min12int, min16uint; the driver may compute at higher precision)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    min16float a = position.x;
    min10float b = position.x * 0.5;
    min16int c = (min16int)(-position.x * 14.0);
    min12int d = (min12int)(position.x * 6.0);
    min16uint e = (min16uint)(position.x * 8.0);
    return float4(a * 3.0, c / 2, d + e, b);
}
