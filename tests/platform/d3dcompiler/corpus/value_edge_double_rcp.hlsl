// Windows: rcp of a double is a double's reciprocal (drcp, within 1 ULP), so
// rcp(3) * 3 misses 1 by no more than a double's rounding; rcp of -0 is
// -INF and of INF +0.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 7 : 0 0x80000000 0 0x7FF00000 3.0
// expect u0: 0 0x80000000 0 0x7FF00000 3.0 1 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/rcp (component type "float or double") and drcp--sm5---asm- ("The DRCP instruction is emitted by the HLSL compiler only when explicitly called via the rcp() intrinsic, when a double is used as the argument"; "accurate to 1.0 ULP"; its table: -0 gives -inf, +inf gives +0)
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    double minusZero = asdouble(words[0], words[1]);
    double inf = asdouble(words[2], words[3]);
    double three = (double)asfloat(words[4]);
    double miss = rcp(three) * three - 1.0L;
    words[5] = miss < 1.0e-15L && miss > -1.0e-15L;
    words[6] = rcp(minusZero) < -1.0e308L && rcp(inf) == 0.0L;
}
