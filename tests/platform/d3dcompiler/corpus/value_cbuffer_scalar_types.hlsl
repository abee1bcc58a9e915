// Windows: bool, int and uint in a constant buffer each take 4 bytes and
// read the bits there: a nonzero bool is true.
// verdict: accepted
// probe: 0 1 1073741824 1077936128
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (4-byte scalars packed in order) and dx-graphics-hlsl-scalar ("bool", "int: 32-bit signed integer", "uint")
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float f;
    bool b;
    int i;
    uint u;
};
float4 PSMain() : SV_Target
{
    return float4(f, b ? 1 : 0, i, u);
}
