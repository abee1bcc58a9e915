// Windows: dword is a 32-bit unsigned integer: its arithmetic wraps modulo
// 2^32.
// verdict: accepted
// probe: 0 4294967296 1 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (dword: 32-bit unsigned integer) and learn.microsoft.com/windows/win32/direct3dhlsl/iadd--sm4---asm- (32-bit results)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    dword one = (dword)(position.x * 2.0);
    dword d = 0xFFFFFFFF;
    d += one;
    dword e = 5u - 6u * one;
    return float4(d, e, d == 0, 1);
}
