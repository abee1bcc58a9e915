// Windows: each array element starts a register, the last is not padded, so a scalar after an array shares its last register.
// verdict: accepted
// probe: 4 5 7 8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("arrays are not packed in HLSL by default ... each element is stored in a four-component vector"; the example "float Val1[2]; float Val2;" places Val2 in the last element's register)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float a[2];
    float b;
    float2 c;
    float d;
};
float4 PSMain() : SV_Target
{
    return float4(a[1], b, c.y, d);
}
