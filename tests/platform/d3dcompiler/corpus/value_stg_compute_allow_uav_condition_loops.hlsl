// Windows: [allow_uav_condition] lets a compute shader's loops end on what they read from a UAV: a
// while loop follows links until the end mark, and a for loop runs as often as a count in the UAV
// says.
// verdict: accepted CSMain
// group: stages
// stand-in: differ the for loop bounded by the count this thread stored to the UAV just before runs once on lavapipe (word 4 is 3): glslang's legalised module reads the count after the store as it should, and a literal bound gives 5; where the single iteration comes from is not yet found
// uav u0: structured 4 8 : 2 3 4294967295 0 0 0 0 0
// expect u0: 2 3 4294967295 2 5 0 0 0
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
    uint sum = 0;
    [allow_uav_condition] for (uint i = 0; i < links[3]; ++i)
        sum += links[1] - i;
    links[4] = sum;
}
