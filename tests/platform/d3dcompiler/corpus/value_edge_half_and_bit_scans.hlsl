// Windows: f32tof16 keeps the sign of -0 and gives the half's INF for INF;
// f16tof32 reads only the low 16 bits and gives INF and NaN for the half's;
// the bit scans of 0x80000000 find bit 31 from either end, and firstbithigh
// of the int it is finds the first 0 below the sign (bit 30).
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 14 : 0x80000000 0x7F800000 0x7C00 0xABCD3C00
// expect u0: 0x80000000 0x7F800000 0x7C00 0xABCD3C00 32768 31744 64512 0x7F800000 0x3F800000 1 31 31 30 0xFF800000
// source: learn.microsoft.com/windows/win32/direct3dhlsl/f32tof16 and f16tof32 ("The float16 value is in the lower 16 bits"), f32tof16--sm5---asm- and f16tof32--sm5---asm- (IEEE half: INF and NaN kept), firstbitlow and firstbithigh ("For a signed integer, the first significant bit is zero for a negative number"), firstbit--sm5---asm- (firstbit_hi and firstbit_lo count from the MSB and the LSB)
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float minusZero = asfloat(words[0]);
    float inf = asfloat(words[1]);
    uint halfInf = words[2];
    words[4] = f32tof16(minusZero);
    words[5] = f32tof16(inf);
    words[6] = f32tof16(-inf);
    words[7] = asuint(f16tof32(halfInf));
    words[8] = asuint(f16tof32(words[3]));
    words[9] = isnan(f16tof32(halfInf | 0x200u));
    words[10] = firstbitlow(words[0]);
    words[11] = firstbithigh(words[0]);
    words[12] = firstbithigh(asint(words[0]));
    words[13] = asuint(f16tof32(halfInf | 0x8000u));
}
