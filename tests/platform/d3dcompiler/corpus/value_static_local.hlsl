// Windows: a static local variable keeps its value between calls of its
// function and starts at its initialiser.
// verdict: accepted
// probe: 1 2 3 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ("static ... Mark a local variable so that it is initialized one time and persists between function calls")
#include "probe_stages.hlsli"
int Next()
{
    static int count = 0;
    count += 1;
    return count;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int a = Next();
    int b = Next();
    int c = Next();
    return float4(a, b, c, a + b + c);
}
