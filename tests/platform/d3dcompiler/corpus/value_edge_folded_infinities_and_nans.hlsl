// Windows: the infinities and NaNs the compiler folds from constants are those
// the GPU computes: sqrt and log of -1 are NaN, rsqrt(0), log(0) and 1 / 0
// are INF and -INF, INF - INF is NaN, rcp(-INF) is -0, exp(-INF) is 0.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 9
// expect u0: 1 1 0x7F800000 0xFF800000 0x7F800000 1 0x80000000 0 0xFF800000
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("log of a negative value (other than -0) produces NaN", "Reciprocal square root (rsq) or square root (sqrt) of a negative number produces NaN", "log of (+/-) 0 produces -INF", "Divide by 0 produces +/- INF", "INF - INF = NaN"), rsq--sm4---asm- ("+0 | +inf"), rcp--sm5---asm- ("-inf | -0") and exp--sm4---asm- (-inf gives +0)
static const float kInf = 1.0 / 0.0;
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    words[0] = isnan(sqrt(-1.0));
    words[1] = isnan(log(-1.0));
    words[2] = asuint(rsqrt(0.0));
    words[3] = asuint(log2(0.0));
    words[4] = asuint(1.0 / 0.0);
    words[5] = isnan(kInf - kInf);
    words[6] = asuint(rcp(-kInf));
    words[7] = asuint(exp2(-kInf));
    words[8] = asuint(-1.0 / 0.0);
}
