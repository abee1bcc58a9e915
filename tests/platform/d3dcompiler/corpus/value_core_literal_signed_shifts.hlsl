// Windows: integer literals are signed, so a negative one shifts right with
// its sign (-1 >> 1 is -1, -8 >> 2 is -2); 1u << 31 is a uint.
// verdict: accepted
// probe: -1 -2 2147483648 -4
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (bitwise shifts on int and uint) and dx-graphics-hlsl-appendix-grammar (integer literals without a suffix are int); ishr on signed ints as learn.microsoft.com/windows/win32/direct3dhlsl/ishr--sm4---asm- gives it
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    uint uone = (uint)one;
    return float4(-1 >> one, (-8 * one) >> 2, (1u * uone) << 31, (-7 * one) >> 1);
}
