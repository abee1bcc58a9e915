// Windows: a static matrix keeps its initialiser and what functions write to
// it; a static const matrix from a list is read with a run-time row; a local
// copy is a value of its own.
// verdict: accepted
// probe: 1 14 6 13
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static: a global the application cannot see, initialised once) and dx-graphics-hlsl-matrix (initialiser lists fill rows)
#include "probe_stages.hlsli"
static float2x2 s_m = float2x2(1, 2, 3, 4);
static const float2x3 kM = { 1, 2, 3, 4, 5, 6 };
void Bump()
{
    s_m[1] += 10;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    Bump();
    float2x2 local = s_m;
    local._11 = 0;
    return float4(s_m._11, s_m[1][1], kM[i][2], local[1].x);
}
