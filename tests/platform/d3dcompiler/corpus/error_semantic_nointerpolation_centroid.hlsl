// Windows: centroid chooses where to interpolate, and nointerpolation does not
// interpolate; an input with both is refused.
// verdict: compile-error PSMain -
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct ("centroid" modifies linear and noperspective interpolation; nointerpolation combines with no other mode); fxc's words were not found
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position,
              nointerpolation centroid float4 value : VALUE) : SV_Target
{
    return position + value;
}
