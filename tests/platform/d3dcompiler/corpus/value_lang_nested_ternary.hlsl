// Windows: ?: groups from the right, and binds below || and above =.
// verdict: accepted
// probe: 2 3 1 5
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (operator precedence and associativity as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float x = position.x;
    float a = x > 1.0 ? 1.0 : x > 0.25 ? 2.0 : 3.0;
    float b = x < 0.0 ? 1.0 : x < 0.25 ? 2.0 : 3.0;
    float c = x > 1.0 || x > 0.25 ? 1.0 : 0.0;
    float d;
    d = x > 0.0 ? 5.0 : 6.0;
    return float4(a, b, c, d);
}
