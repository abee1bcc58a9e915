// Windows: [numthreads] takes static const integers and constant expressions of them.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 6
// expect u0: 1 1 1 1 1 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (the x, y and z sizes are integer constants) and dx-graphics-hlsl-variable-syntax (static const values fold at compile time)
RWStructuredBuffer<uint> written : register(u0);
static const uint kWidth = 3;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(kWidth, kWidth - 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    written[index] = 1;
}
