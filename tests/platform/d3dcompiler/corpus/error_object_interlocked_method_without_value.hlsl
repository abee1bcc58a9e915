// Windows: RWByteAddressBuffer's InterlockedAdd takes an address and a value (and an optional original value): the address alone matches no overload.
// verdict: compile-error CSMain X3013
// group: resources
// error text: 'InterlockedAdd': no matching 1 parameter intrinsic method
// uav u0: raw 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-interlockedadd ("void InterlockedAdd(in uint dest, in uint value, out uint original_value)"); fxc's X3013 words as in error_x3013_load_without_mip_level.hlsl
RWByteAddressBuffer raw : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    raw.InterlockedAdd(0);
}
