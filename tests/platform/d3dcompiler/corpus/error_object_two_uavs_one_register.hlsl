// Windows: two UAVs the compute shader writes are bound to the same register.
// verdict: compile-error CSMain X4500
// group: resources
// error text: overlapping register semantics not yet implemented 'u0'
// source: fxc's "error X4500: overlapping register semantics not yet implemented 't0'", quoted in error_x4500_one_register_two_textures.hlsl's source; the same rule for the u registers (learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl: each register binds one resource)
RWBuffer<uint> first : register(u0);
RWStructuredBuffer<uint> second : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    first[0] = 1;
    second[0] = 2;
}
