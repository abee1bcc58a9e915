// Windows: compiled IEEE-strict, a product with the literal 0.0 is NaN for
// INF and NaN, and -0 + 0.0 is +0.
// verdict: accepted CSMain
// flags: IEEE_STRICTNESS
// group: values
// uav u0: structured 4 6 : 0x7F800000 0x7FC00000 0x80000000
// expect u0: 0x7F800000 0x7FC00000 0x80000000 1 0 1
// stand-in: differ glslang's front end folds x * 0.0 to 0 and x + 0.0 to x before any SPIR-V exists
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-shader ("D3D10_SHADER_IEEE_STRICTNESS | Enables IEEE strictness") and windows/win32/direct3d11/floating-point-rules ("(+/-)INF * 0 = NaN", "NaN (any OP) any-value = NaN", "But -0 + 0 = +0")
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float inf = asfloat(words[0]);
    float nan = asfloat(words[1]);
    float minusZero = asfloat(words[2]);
    words[3] = isnan(inf * 0.0);
    words[4] = asuint(minusZero + 0.0);
    words[5] = isnan(nan * 0.0);
}
