// Windows: double2 and double3 arithmetic is per component in double precision, and a double vector casts to a float vector.
// verdict: accepted
// probe: 1 2 3 0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector (vectors of any scalar type, double among them) and dx-graphics-hlsl-scalar
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double3 big = double3(16777216.0, 33554432.0, 67108864.0) * one;
    double3 small = double3(1.0, 2.0, 3.0) * one;
    double3 difference = (big + small) - big;
    double2 halves = double2(one, one) * 0.5;
    return float4((float3)difference, (float)halves.y);
}
