// Windows: an RWBuffer of a structure that fits one register stores a
// structure's members as the element's components in order.
// verdict: accepted CSMain
// group: resources
// uav u0: typed r32g32b32a32_float 2 : 1 2 3 4 5 6 7 8
// expect u0: 1 2 3 4 7 8 5 6
// source: DirectXShaderCompiler issue 1370, where a compiler developer reports that fxc.exe accepts Buffer<S> and RWBuffer<S> "as long as the members can be fit in a 4-component vector"; learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbuffer
struct Quad
{
    float2 front;
    float2 back;
};
RWBuffer<Quad> quads : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    Quad swapped;
    swapped.front = float2(7, 8);
    swapped.back = float2(5, 6);
    quads[1] = swapped;
}
