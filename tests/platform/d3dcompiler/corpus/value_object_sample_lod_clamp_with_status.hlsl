// Windows: Sample's overload with a clamp and a status output samples as the one without the status, which reads as fully mapped.
// verdict: accepted
// probe: 10 1 0 0
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1  10 10 10 10  100
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-sample-s-float-int-float-uint- ("Clamp: An optional value to clamp sample LOD values to"; "Status: The status of the operation"); checkaccessfullymapped
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint status;
    float value = levels.Sample(nearest, float2(0.4, 0.6), int2(0, 0), 1.0, status);
    return float4(value, CheckAccessFullyMapped(status), 0, 0);
}
