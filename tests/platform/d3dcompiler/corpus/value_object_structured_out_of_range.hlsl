// Windows: a StructuredBuffer element past the view's count reads 0.
// verdict: accepted
// probe: 4 0 0 3
// group: resources
// buffer t0: structured 4 2 : 3.0 4.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds"); Microsoft's Direct3D 11.3 functional rules for structured buffers, whose out-of-bounds reads give 0
#include "resource_stages.hlsli"
StructuredBuffer<float> values : register(t0);
float4 PSMain() : SV_Target
{
    return float4(values[1], values[2], values.Load(100), values.Load(0));
}
