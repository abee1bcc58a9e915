// Windows: Load's overload with a status output reads the texel, and CheckAccessFullyMapped of the status is true for a resident resource.
// verdict: accepted
// probe: 4 1 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-load-int-int-uint- ("Status: The status of the operation ... pass the status to the intrinsic CheckAccessFullyMapped"), checkaccessfullymapped ("Returns TRUE if all values from the corresponding Sample, Gather, or Load operation accessed mapped tiles")
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
float4 PSMain() : SV_Target
{
    uint status;
    float value = grid.Load(int3(1, 1, 0), int2(0, 0), status);
    return float4(value, CheckAccessFullyMapped(status) ? 1 : 0, 0, 0);
}
