// Windows: uint arithmetic wraps modulo 2^32; a uint converted to int and
// back keeps its bits; unary minus of a uint is its two's complement.
// verdict: accepted
// probe: -1 1 1 65535
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (arithmetic on uint) and the type-casting rules of dx-graphics-hlsl-scalar (int and uint are 32-bit two's complement), iadd--sm4---asm- and ineg--sm4---asm- (32-bit results)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = uint(position.x - 0.5);
    uint u = zero - 1u;         // 4294967295
    int back = int(u);          // -1
    uint negated = -(zero + 1u); // 4294967295
    uint sum = u + 2u;          // 1
    return float4(back, sum, negated == u, float(u >> 16));
}
