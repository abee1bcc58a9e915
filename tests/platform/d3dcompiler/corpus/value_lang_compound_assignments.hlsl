// Windows: the compound assignments apply their operator to the variable
// and store the result; increments before and after give their values.
// verdict: accepted
// probe: 10 24 3 2
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (assignment operators: +=, -=, *=, /=, %=, <<=, >>=, &=, |=, ^=; prefix and postfix ++ and --)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int base = int(position.x * 2.0);
    int a = base;
    a += 9;
    a *= 2;
    a -= 4;
    a /= 2;
    a %= 12;
    a |= 8;
    a ^= 1;
    a &= 15;
    int b = base << 3;
    b <<= 1;
    b >>= 1;
    b *= 3;
    int c = base;
    int after = c++;
    int before = ++c;
    return float4(a + 1, b, before, after + base);
}
