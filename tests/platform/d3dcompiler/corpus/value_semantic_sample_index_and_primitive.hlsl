// Windows: on a one-sample target SV_SampleIndex is 0; the first triangle's
// SV_PrimitiveID is 0 and, drawn clockwise, it is front-facing.
// verdict: accepted
// probe: 0 0 1 0.5
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_SampleIndex, SV_PrimitiveID, SV_IsFrontFace); learn.microsoft.com/windows/win32/api/d3d12/ns-d3d12-d3d12_rasterizer_desc (FrontCounterClockwise FALSE)
#include "probe_stages.hlsli"
struct PixelIn
{
    float4 position : SV_Position;
    uint sampleIndex : SV_SampleIndex;
    uint primitive : SV_PrimitiveID;
    bool front : SV_IsFrontFace;
};
float4 PSMain(PixelIn p) : SV_Target
{
    return float4(p.sampleIndex, p.primitive, p.front ? 1 : 0, p.position.y);
}
