// Windows: after "for (int i = 0; i < count; i++)" the loop's variable holds
// the value that ended the loop.
// verdict: accepted
// group: statements
// probe: 3 0 0 1
// source: DirectXShaderCompiler's tools/clang/test/HLSL/loop-induction-scoping-2021.hlsl (the loop variable's scope before HLSL 2021, fxc's); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int count = int(position.x) + 3;
    [loop] for (int i = 0; i < count; i++)
    {
    }
    return float4(i, 0, 0, 1);
}
