// Windows: a pixel shader's SV_Position is at the pixel's centre (0.5 in a
// 1x1 target); a triangle drawn is front-facing under the default clockwise
// front face; SV_PrimitiveID counts from 0.
// verdict: accepted
// probe: 0.5 0.5 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Position in a pixel shader: "the pixel center"; SV_IsFrontFace; SV_PrimitiveID) and windows/win32/api/d3d12/ns-d3d12-d3d12_rasterizer_desc (FrontCounterClockwise FALSE: clockwise triangles are front-facing; back faces culled by default)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position, bool front : SV_IsFrontFace,
              uint primitive : SV_PrimitiveID) : SV_Target
{
    return float4(position.xy, front ? 1 : 0, primitive);
}
