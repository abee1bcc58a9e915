// Windows: RWByteAddressBuffer's InterlockedExchange gives the original value back through its third argument, which it requires: two arguments match no overload.
// verdict: compile-error CSMain X3013
// group: resources
// error text: 'InterlockedExchange': no matching 2 parameter intrinsic method
// uav u0: raw 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-interlockedexchange ("void InterlockedExchange(in uint dest, in uint value, out uint original_value)"); interlockedexchange (the intrinsic's original_value is not optional); fxc's X3013 words as in error_x3013_load_without_mip_level.hlsl
RWByteAddressBuffer raw : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    raw.InterlockedExchange(0, 1);
}
