// Windows: a compute shader's loop whose bound is read from a UAV, without [allow_uav_condition].
// verdict: compile-error CSMain X3671
// group: stages
// error text: loop termination conditions in varying flow control cannot depend on data read from a UAV
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for and dx-graphics-hlsl-while (allow_uav_condition: "Allows a compute shader loop termination condition to be based off of a UAV read"; "If [unroll] is specified, [fastopt] and [allow_uav_condition] are ignored"); hlsl-errors-and-warnings (ERR_BREAK_FROM_UAV, 3671); fxc's words as a public compute shader's comment found by code search quotes them ("error X3671: loop termination conditions in varying flow control cannot depend on data read from a UAV")
RWStructuredBuffer<uint> items : register(u0);
[numthreads(4, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    const uint count = items[0];
    uint sum = 0;
    for (uint i = 0; i < count; ++i)
        sum += i;
    items[index + 1] = sum;
}
