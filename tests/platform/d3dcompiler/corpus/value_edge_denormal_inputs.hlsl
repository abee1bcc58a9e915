// Windows: arithmetic and the math instructions read a denormal as a zero of
// its sign, so their results are those of +0 and -0 (two large denormals
// add to 0, not to a normal number); a move keeps the denormal's bits.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 20 : 0x00000001 0x80000001 0x007FFFFF 0x807FFFFF
// expect u0: 1 0x80000001 0x007FFFFF 0x807FFFFF 0 0x80000000 0x7F800000 0xFF800000 0xFF800000 0xFF800000 0x7F800000 0xFF800000 0 0 0 0 0x80000000 0 0x80000000 0x007FFFFF
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("Denorms are flushed to sign-preserved zero on input and output of any floating-point mathematical operation. Exceptions are made for any I/O or data movement operation that doesn't manipulate the data."), sqrt--sm4---asm- (-denorm gives -0, +denorm +0), rsq--sm4---asm- ("-denorm | -inf", "+denorm | +inf"), log--sm4---asm- ("-denorm | -inf", "+denorm | -inf"), rcp--sm5---asm- (+denorm gives +inf, -denorm -inf), frc--sm4---asm- ("-denorm | +0"), round_ni--sm4---asm- and round_pi--sm4---asm- (a denorm gives a zero of its sign)
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float tiny = asfloat(words[0]);
    float minusTiny = asfloat(words[1]);
    float large = asfloat(words[2]);
    float minusLarge = asfloat(words[3]);
    words[4] = asuint(sqrt(tiny));
    words[5] = asuint(sqrt(minusTiny));
    words[6] = asuint(rsqrt(large));
    words[7] = asuint(rsqrt(minusLarge));
    words[8] = asuint(log2(large));
    words[9] = asuint(log2(minusTiny));
    words[10] = asuint(rcp(large));
    words[11] = asuint(rcp(minusLarge));
    words[12] = asuint(frac(minusTiny));
    words[13] = asuint(large + large);
    words[14] = asuint(large * 8388608.0);
    words[15] = asuint(ceil(large));
    words[16] = asuint(floor(minusLarge));
    words[17] = asuint(large * 2.0);
    words[18] = asuint(minusLarge * 2.0);
    words[19] = asuint(large);
}
