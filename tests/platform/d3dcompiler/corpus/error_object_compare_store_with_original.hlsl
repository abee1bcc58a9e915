// Windows: InterlockedCompareStore gives no original value back: a fourth argument matches no overload, of the method as of the intrinsic, and the message names the call as written.
// verdict: compile-error CSMain X3013
// group: resources
// error text: 'InterlockedCompareStore': no matching 4 parameter intrinsic method
// uav u0: raw 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-interlockedcomparestore ("void InterlockedCompareStore(in uint dest, in uint compare_value, in uint value)"), interlockedcomparestore (three parameters); fxc's X3013 words as in error_x3013_load_without_mip_level.hlsl
RWByteAddressBuffer raw : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint original;
    raw.InterlockedCompareStore(0, 1, 2, original);
}
