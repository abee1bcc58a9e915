// Windows: an int is true when nonzero, true is 1, and a bool vector
// converts each component.
// verdict: accepted
// probe: 1 1 0 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (bool, int) and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    bool3 b = bool3(int3(0, 2, -1) * one);
    int3 back = b;
    return float4((bool)(-one), (int)true * one, back.x, back.y + back.z);
}
