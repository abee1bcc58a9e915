// Windows: a structure may be defined inside a function and used there.
// verdict: accepted
// probe: 1 2 3 1
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (a structure declaration is a statement; reasoning: fxc takes it in a function's body as C does)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    struct Local
    {
        float a;
        float2 b;
    };
    Local local;
    local.a = position.x * 2.0;
    local.b = float2(2.0, 3.0);
    return float4(local.a, local.b, 1.0);
}
