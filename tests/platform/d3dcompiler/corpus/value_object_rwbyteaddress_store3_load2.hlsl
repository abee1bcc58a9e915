// Windows: Store3 writes three words from its byte address, Load2 reads two, Store2 writes two.
// verdict: accepted CSMain
// group: resources
// uav u0: raw 6
// expect u0: 1 2 3 2 3 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-store3, -load2, -store2 ("address: The input address in bytes, which must be a multiple of 4")
RWByteAddressBuffer raw : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    raw.Store3(0, uint3(1, 2, 3));
    raw.Store2(12, raw.Load2(4));
}
