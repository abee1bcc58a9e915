// Windows: *, *= and / on two matrices work per component (mul is the
// matrix product); a scalar assigned to a matrix fills every component.
// verdict: accepted
// probe: 10 2 2 28
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("the multiplication operator (*) ... performs a per-component multiply"; "Use the mul intrinsic function for matrix multiplication") and dx-graphics-hlsl-operators (casts and assignment of a scalar to every component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float two = position.x * 4.0;
    float2x2 a = float2x2(1, 2, 3, 4);
    float2x2 b = float2x2(two, 5, 6, 7);
    float2x2 product = a * b;   // 2 10 18 28
    float2x2 quotient = b / a;  // 2 2.5 2 1.75
    float2x2 filled = two;      // 2 2 2 2
    float2x2 scaled = a;
    scaled *= b;                // as product
    return float4(product[0].y, quotient[1].x, filled[0].y + filled[1].x - 2, scaled[1].y);
}
