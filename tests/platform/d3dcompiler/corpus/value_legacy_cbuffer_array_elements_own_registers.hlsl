// Windows: every element of a float array starts a register of its own.
// verdict: accepted
// probe: 0 4 8 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("every element in an array is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float a[3];
};
float4 PSMain() : SV_Target
{
    return float4(a[0], a[1], a[2], 0);
}
