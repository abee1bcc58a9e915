// Windows: a bool2x2 in a constant buffer is a 32-bit value per component,
// false where its bits are zero; column-major, one register per column.
// verdict: accepted
// probe: 0 1 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("bool - true or false") and dx-graphics-hlsl-packing-rules; column-major default: dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
cbuffer Flags : register(b0)
{
    bool2x2 b;
};
float4 PSMain() : SV_Target
{
    return float4(b._11 ? 1 : 0, b._12 ? 1 : 0, b._21 ? 1 : 0, b[1].y ? 1 : 0);
}
