// Windows: a uint vector passed from the vertex shader with nointerpolation
// arrives as the vertex wrote it, and a float with noperspective alone too.
// verdict: accepted
// probe: 4000000000 7 0.25 1
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (interpolation modifiers: nointerpolation "Do not interpolate", noperspective "Linear interpolation without perspective correction")
struct Link
{
    float4 position : SV_Position;
    nointerpolation uint2 ids : IDS;
    noperspective float quarter : QUARTER;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Link VSMain(uint id : SV_VertexID)
{
    Link output;
    float2 corner = float2((id << 1) & 2, id & 2);
    output.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
    output.ids = uint2(4000000000u, 7u);
    output.quarter = 0.25;
    return output;
}
float4 PSMain(Link input) : SV_Target
{
    return float4(input.ids.x, input.ids.y, input.quarter, 1);
}
