// Windows: the structure an entry point takes may have methods, called on the
// input as on any value of it.
// verdict: accepted
// probe: 1.5 0.5 0 2
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (members with semantics) and overviews-direct3d-11-hlsl-dynamic-linking-class (methods)
#include "probe_stages.hlsli"
struct PixelIn
{
    float4 position : SV_Position;
    float Sum()
    {
        return position.x + position.y + position.z;
    }
};
float4 PSMain(PixelIn input) : SV_Target
{
    return float4(input.Sum() + 0.5, input.position.x, input.position.z, input.position.w);
}
