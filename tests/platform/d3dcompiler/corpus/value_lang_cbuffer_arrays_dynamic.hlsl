// Windows: each element of a constant buffer array starts a register, read
// with an index computed at run time; what follows the array fills its last
// register.
// verdict: accepted
// probe: 4 12 21 22
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Arrays are not packed in HLSL by default ... every element is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    float a[4];  // c0.x, c1.x, c2.x, c3.x
    float2 b[2]; // c4.xy, c5.xy
    float c;     // c5.z
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    return float4(a[i], a[i + 2], b[i].y, c);
}
