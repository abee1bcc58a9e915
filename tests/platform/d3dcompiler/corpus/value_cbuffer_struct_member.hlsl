// Windows: a structure starts a register and its members pack inside it as
// elsewhere; what follows it may share its last register.
// verdict: accepted
// probe: 4 6 7 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Each structure forces the next variable to start on the next four-component vector"; the structure example "struct VS_INPUT { float4 Pos; float3 Norm; float2 Tex; }")
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float2 b;
};
cbuffer Packed : register(b0)
{
    float x;
    Pair s;
    float y;
};
float4 PSMain() : SV_Target
{
    return float4(s.a, s.b.y, y, x);
}
