// Windows: asuint of a double gives its 64 bits as they are: a NaN's payload
// and sign, -0's sign, a denormal's mantissa, whether the double is read at
// run time or written as constants.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 20 : 0x12345678 0xFFF00001 0 0x80000000 1 0 0x9ABCDEF0 0x40091234
// expect u0: 0x12345678 0xFFF00001 0 0x80000000 1 0 0x9ABCDEF0 0x40091234 0x12345678 0xFFF00001 0 0x80000000 1 0 0x9ABCDEF0 0x40091234 1 0 0x87654321 0x7FF00002
// source: learn.microsoft.com/windows/win32/direct3dhlsl/asuint ("void asuint(in double value, out uint lowbits, out uint highbits)": the double's bits reinterpreted) and dx-graphics-hlsl-asdouble; windows/win32/direct3d11/floating-point-rules (the exact bit pattern of a NaN is kept by a raw move, which changes no data)
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    [unroll] for (uint i = 0; i < 4; ++i) {
        double value = asdouble(words[2 * i], words[2 * i + 1]);
        uint low;
        uint high;
        asuint(value, low, high);
        words[8 + 2 * i] = low;
        words[9 + 2 * i] = high;
    }
    double nan = asdouble(words[0], words[1]);
    words[16] = nan != nan;
    words[17] = nan == nan;
    uint low;
    uint high;
    asuint(asdouble(0x87654321u, 0x7FF00002u), low, high);
    words[18] = low;
    words[19] = high;
}
