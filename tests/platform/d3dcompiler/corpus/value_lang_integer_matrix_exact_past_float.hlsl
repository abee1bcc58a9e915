// Windows: uint and int matrices hold 32-bit integers: values past 2^24, which
// a float cannot hold, stay exact through construction, copies, element reads
// and arithmetic.
// verdict: accepted
// probe: 1 1 1 1
// group: values
// stand-in: differ integer matrices are float matrices, which round values past 2^24
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (a matrix of any scalar type: int, uint) and dx-graphics-hlsl-scalar (int and uint are 32-bit integers)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint big = uint(position.x * 2.0) + 16777216u; // 16777217
    uint2x2 m = uint2x2(big, 4294967295u, 3u, 4u);
    uint2x2 copy = m;
    uint2x2 sum = m + m;
    int2x2 signedValues = int2x2(-16777217, 2147483647, 0, int(big));
    return float4(copy._11 - 16777216u == 1u, m._12 + 1u == 0u, sum._11 - 33554432u == 2u,
                  signedValues._11 + 16777216 == -1 && signedValues._12 - 2147483646 == 1 &&
                      signedValues._22 - 16777216 == 1);
}
