// Windows: each element of an array of row_major float4x3 takes four
// registers of three components, and a float after the array is at the last
// row's w; rows, components and whole elements read back as placed.
// verdict: accepted
// probe: 31 30 45 13
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (each array element starts a register; a variable is packed into the current register until it would straddle one) and dx-graphics-hlsl-per-component-math (row_major: each row in a register)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    row_major float4x3 bones[2]; // element 0 in c0-c3, element 1 in c4-c7, .xyz each
    float after;                 // c7.w
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    float3 row = bones[one][3];   // c7.xyz
    float4x3 element = bones[one];
    return float4(after, row.z, bones[1]._m31 + element[0].x, mul(float4(0, 0, 0, 1), bones[0]).y);
}
