// Windows: elements of a local array of structures are written through
// run-time indexes, member by member or whole, and read back.
// verdict: accepted
// probe: 50 0 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-variable-syntax (arrays of any type; structure assignment copies every member)
#include "probe_stages.hlsli"
struct Point
{
    float a;
    float3 b;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    Point points[3];
    for (int k = 0; k < 3; k++)
    {
        points[k].a = k;
        points[k].b = float3(k, k, k) * 2;
    }
    points[i].b.y = 50;
    points[i + 1] = points[i - 1];
    return float4(points[i].b.y, points[2].a, points[2].b.z, points[i].a);
}
