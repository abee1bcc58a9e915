// Windows: a double2 fills a register; each double of an array starts one,
// and a float after the array shares its last register.
// verdict: accepted
// probe: 0.0078125 32.0000076 262144.0625 10
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (double: 64 bits); the words 0.0 and 1.0 read as a double are 2^-7, 2.0 and 3.0 32.0000076..., 8.0 and 9.0 262144.06...
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    double2 pair;
    double list[2];
    float after;
};
float4 PSMain() : SV_Target
{
    return float4((float)pair.x, (float)pair.y, (float)list[1], after);
}
