// Windows: a static local keeps its value from one call to the next within a
// shader's run, and is initialised once.
// verdict: accepted
// probe: 1 2 3 6
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static on a local: "the value persists from one call to the next"; initialised once)
#include "probe_stages.hlsli"
float Next()
{
    static float count = 0.0;
    count += 1.0;
    return count;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float a = Next();
    float b = Next();
    float c = Next() + position.x * 0.0;
    return float4(a, b, c, a + b + c);
}
