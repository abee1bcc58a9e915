// Windows: at shader model 5.0 half is a 32-bit float, and min16float takes
// 32 bits in a constant buffer: each packs as a float.
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("half: 16-bit floating point value ... provided only for language compatibility. Direct3D 10 shader targets map all half data types to float") and learn.microsoft.com/windows/win32/direct3dhlsl/using-hlsl-minimum-precision (minimum precision values take 32 bits in constant buffers)
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    half h;
    min16float m;
    half2 pair;
};
float4 PSMain() : SV_Target
{
    return float4(h, m, pair);
}
