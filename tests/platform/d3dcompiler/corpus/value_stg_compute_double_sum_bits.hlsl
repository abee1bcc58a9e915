// Windows: a compute shader's double sum keeps 2^32 + 1, and asuint splits it into its low and high words (2^32: high 0x41F00000; the added 1 is bit 20 of the low word).
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 4
// expect u0: 0 1106247680 0 1048576
// source: learn.microsoft.com/windows/win32/direct3dhlsl/asuint (asuint(double value, out uint lowbits, out uint highbits)) and dx-graphics-hlsl-scalar ("double: 64-bit floating point value")
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    double big = 4294967296.0 * (double)(index + 1);
    uint low;
    uint high;
    asuint(big, low, high);
    written[0] = low;
    written[1] = high;
    asuint(big + (double)(index + 1), low, high);
    written[2] = high & 0xFFFFF;
    written[3] = low;
}
