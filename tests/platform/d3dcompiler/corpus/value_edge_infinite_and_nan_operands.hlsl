// Windows: INF + -INF, INF * 0, INF / INF and 0 / 0 are NaN; NaN in any
// operation gives NaN; x * 1 and x - 0 keep -0 while -0 + 0 is +0; NaN is
// unequal to itself and unordered against INF; +0 equals -0.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 18 : 0x7F800000 0xFF800000 0x7FC00000 0 0x80000000
// expect u0: 0x7F800000 0xFF800000 0x7FC00000 0 0x80000000 1 1 1 1 1 0 0x80000000 0x80000000 0x80000000 1 0 1 0
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("INF - INF = NaN", "(+/-)INF / (+/-)INF = NaN", "(+/-)INF * 0 = NaN", "Divide by 0 produces +/- INF, except 0/0 which results in NaN", "NaN (any OP) any-value = NaN", "The result of x +/- 0.0f is always x (except denorm flushing). But -0 + 0 = +0", "The result of x*1.0f is always x", "The comparison NE, when either or both operands is NaN returns TRUE", "Comparisons ignore the sign of 0")
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float inf = asfloat(words[0]);
    float minusInf = asfloat(words[1]);
    float nan = asfloat(words[2]);
    float zero = asfloat(words[3]);
    float minusZero = asfloat(words[4]);
    words[5] = isnan(inf + minusInf);
    words[6] = isnan(inf * zero);
    words[7] = isnan(inf / minusInf);
    words[8] = isnan(zero / zero);
    words[9] = isnan(nan * zero + 1.0);
    words[10] = asuint(minusZero + zero);
    words[11] = asuint(minusZero - zero);
    words[12] = asuint(minusZero * 1.0);
    words[13] = asuint(minusZero / 1.0);
    words[14] = nan != nan;
    words[15] = nan == nan || nan < inf || nan >= minusInf;
    words[16] = minusZero == zero;
    words[17] = nan > zero || nan <= zero;
}
