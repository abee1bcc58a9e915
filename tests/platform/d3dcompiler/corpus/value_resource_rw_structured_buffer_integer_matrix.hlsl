// Windows: an RWStructuredBuffer<int2x2> element is four ints, column after
// column; an element read whole holds them, and an element stored by name and
// a row stored by index write integer values.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 16 3 : 1 2 3 4 0 0 0 0 0 0 0 0
// expect u0: 1 2 -7 4 8 0 0 0 0 5 0 -6
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwstructuredbuffer (elements read and written by index) and dx-graphics-hlsl-per-component-math ("matrix packing order for uniform parameters is set to column-major by default"; m[i] is row i); int is a 32-bit signed integer (dx-graphics-hlsl-scalar)
RWStructuredBuffer<int2x2> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    int2x2 m = values[0];
    values[1]._11 = m._12 + m._22 + 1;
    values[0]._12 = -7;
    values[2][1] = int2(5, -6);
}
