// Windows: unsigned division and remainder by zero give 0xFFFFFFFF for both.
// verdict: accepted
// probe: 4294967295 4294967295 3 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/udiv--sm4---asm- ("Divide by zero returns 0xffffffff for both quotient and remainder")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint seven = (uint)(position.x * 14.0); // 7
    uint zero = (uint)(position.x - 0.5);   // 0
    return float4(seven / zero, seven % zero, seven / 2u, seven % 2u);
}
