// Windows: a while loop following links it reads from a UAV: its condition reads what the last
// iteration loaded from the UAV, and no [allow_uav_condition] stands on it ([fastopt] does not
// count).
// verdict: compile-error CSMain X3671
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for and dx-graphics-hlsl-while (allow_uav_condition: "Allows a compute shader loop termination condition to be based off of a UAV read"; "If [unroll] is specified, [fastopt] and [allow_uav_condition] are ignored"); hlsl-errors-and-warnings (ERR_BREAK_FROM_UAV, 3671); fxc's words as a public compute shader's comment found by code search quotes them ("error X3671: loop termination conditions in varying flow control cannot depend on data read from a UAV")
RWStructuredBuffer<uint> links : register(u0);
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    uint node = 0;
    uint steps = 0;
    [fastopt] while (node != 0xffffffff)
    {
        node = links[node];
        steps++;
    }
    links[8] = steps;
}
