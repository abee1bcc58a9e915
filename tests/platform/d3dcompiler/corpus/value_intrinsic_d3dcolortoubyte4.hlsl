// Windows: D3DCOLORtoUBYTE4 swizzles x to zyxw and scales by 255.001953,
// truncating to int.
// verdict: accepted
// probe: 153 102 51 255
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-d3dcolortoubyte4 ("Swizzles and scales components of the 4D vector x"; returns int4); fxc multiplies by 255.001953 and converts with ftoi
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    int4 bytes = D3DCOLORtoUBYTE4(float4(h * 0.4, h * 0.8, h * 1.2, h * 2.0));
    return bytes;
}
