// Windows: [allow_uav_condition] lets a loop's condition read a UAV.
// verdict: accepted CSMain
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for and dx-graphics-hlsl-while (allow_uav_condition: the loop's termination may depend on a UAV)
RWStructuredBuffer<uint> values : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    uint i = 0;
    [allow_uav_condition]
    while (values[i] != 0 && i < 16)
    {
        ++i;
    }
    values[16] = i;
}
