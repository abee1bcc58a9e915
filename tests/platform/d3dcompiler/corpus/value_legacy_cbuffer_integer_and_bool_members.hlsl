// Windows: bool, int and uint members take 4 bytes each and pack like floats;
// the buffer's words are read as their bits (a bool is true where nonzero).
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("HLSL packing rules are similar to performing a #pragma pack 4") and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (bool, int, uint: 32 bits)
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    bool b0;
    bool b1;
    int i;
    uint u;
};
float4 PSMain() : SV_Target
{
    return float4(b0 ? 1 : 0, b1 ? 1 : 0, asfloat(i), asfloat(u));
}
