// Windows: [allow_uav_condition] lets a compute shader's loop end on what it reads from a UAV: a
// while loop follows links until the end mark. (A loop counted up to a bound read from a UAV is
// left out: Mesa 22's lavapipe runs it once, Mesa 25's as often as the bound says.)
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8 : 2 3 4294967295 0 0 0 0 0
// expect u0: 2 3 4294967295 2 0 0 0 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for and dx-graphics-hlsl-while (allow_uav_condition: "Allows a compute shader loop termination condition to be based off of a UAV read"; "If [unroll] is specified, [fastopt] and [allow_uav_condition] are ignored"); hlsl-errors-and-warnings (ERR_BREAK_FROM_UAV, 3671); fxc's words as a public compute shader's comment found by code search quotes them ("error X3671: loop termination conditions in varying flow control cannot depend on data read from a UAV")
RWStructuredBuffer<uint> links : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    uint node = 0;
    uint steps = 0;
    [allow_uav_condition] while (node != 0xffffffff)
    {
        node = links[node];
        steps++;
    }
    links[3] = steps;
}
