// Windows: arrays of RWStructuredBuffer and RWByteAddressBuffer take one
// register per element: outs[1] is u1 and words[1] is u3.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 2
// uav u1: structured 4 2
// uav u2: raw 2
// uav u3: raw 2
// expect u0: 1.5 0
// expect u1: 0 2.5
// expect u2: 0 0
// expect u3: 7 0
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array of resources takes a register per element from the one given) and windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-store
RWStructuredBuffer<float> outs[2] : register(u0);
RWByteAddressBuffer words[2] : register(u2);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    outs[0][0] = 1.5;
    outs[1][1] = 2.5;
    words[1].Store(0, 7u);
}
