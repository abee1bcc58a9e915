// Windows: where an int meets a uint both are compared as uint, as in C: -1
// is the largest uint, and 1u - 2 wraps past zero.
// verdict: accepted
// probe: 0 1 4294967296 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (binary operators convert their operands to a common type) and dx-graphics-hlsl-scalar (uint: 32-bit unsigned integer)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint u = (uint)(position.x * 2.0);
    int minusOne = -(int)u;
    return float4(minusOne < u, minusOne > u, u - 2, (u - 2) > 0);
}
