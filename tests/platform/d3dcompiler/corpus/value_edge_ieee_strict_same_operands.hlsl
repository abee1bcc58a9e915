// Windows: compiled IEEE-strict, arithmetic on a value and itself keeps the
// floating-point rules: INF - INF and INF / INF are NaN, NaN - NaN is NaN.
// verdict: accepted CSMain
// flags: IEEE_STRICTNESS
// group: values
// uav u0: structured 4 6 : 0x7F800000 0x7FC00000 2.0
// expect u0: 0x7F800000 0x7FC00000 2.0 1 1 1
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-shader ("D3D10_SHADER_IEEE_STRICTNESS | Enables IEEE strictness"; D3DCOMPILE_IEEE_STRICTNESS is its D3DCompile name, d3dcompile-constants), windows/win32/direct3d11/floating-point-rules ("INF - INF = NaN", "(+/-)INF / (+/-)INF = NaN", "NaN (any OP) any-value = NaN"); Dawn's shader_module_compilation_options.md (dawn.googlesource.com) lists what D3D's compiler assumes without strict math: no NaNs, no INF, no signed zeros
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float inf = asfloat(words[0]);
    float nan = asfloat(words[1]);
    words[3] = isnan(inf - inf);
    words[4] = isnan(inf / inf);
    words[5] = isnan(nan - nan);
}
