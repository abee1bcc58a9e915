// Windows: sqrt, rsqrt, log, exp, rcp and frac give what the tables of their
// instructions list for INF, -INF, NaN, negative values and zeros.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 24 : 0x7F800000 0xFF800000 0x7FC00000 -1.0 0x80000000
// expect u0: 0x7F800000 0xFF800000 0x7FC00000 -1.0 0x80000000 0x7F800000 1 1 0 1 0x7F800000 1 0xFF800000 0xFF800000 0 0x7F800000 0x3F800000 1 0 0x80000000 0 1 1 0xFF800000
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sqrt--sm4---asm- (-inf and -F give NaN, +inf gives +inf), rsq--sm4---asm- ("-F | NaN", "+inf | +0"), log--sm4---asm- ("-inf | NaN", "-0 | -inf", "+inf | +inf"), exp--sm4---asm- (-inf gives +0, -0 gives 1, +inf gives +inf, NaN gives NaN), rcp--sm5---asm- (+inf gives +0, -inf gives -0), frc--sm4---asm- ("-0 | +0", "+inf | NaN", "-inf | NaN")
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float inf = asfloat(words[0]);
    float minusInf = asfloat(words[1]);
    float nan = asfloat(words[2]);
    float minusOne = asfloat(words[3]);
    float minusZero = asfloat(words[4]);
    words[5] = asuint(sqrt(inf));
    words[6] = isnan(sqrt(minusInf));
    words[7] = isnan(sqrt(minusOne));
    words[8] = asuint(rsqrt(inf));
    words[9] = isnan(rsqrt(minusOne));
    words[10] = asuint(log2(inf));
    words[11] = isnan(log(minusInf));
    words[12] = asuint(log2(minusZero));
    words[13] = asuint(log10(minusZero));
    words[14] = asuint(exp2(minusInf));
    words[15] = asuint(exp(inf));
    words[16] = asuint(exp2(minusZero));
    words[17] = isnan(exp(nan));
    words[18] = asuint(rcp(inf));
    words[19] = asuint(rcp(minusInf));
    words[20] = asuint(frac(minusZero));
    words[21] = isnan(frac(inf));
    words[22] = isnan(frac(minusInf));
    words[23] = asuint(log(minusZero));
}
