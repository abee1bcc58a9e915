// Windows: register(c4) on a global array places its first element at c4 and
// the next at c5.
// verdict: accepted
// probe: 16 20 23 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register (register(c#) on a global constant) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (array elements start a register)
#include "probe_stages.hlsli"
float4 arr[2] : register(c4);
float4 PSMain() : SV_Target
{
    return float4(arr[0].x, arr[1].x, arr[1].w, 0);
}
