// Windows: an array of RWBuffers at register(u1) takes u1 and u2, each
// element written as its own view.
// verdict: accepted
// probe: 0 0 0 0
// group: resources
// uav u1: typed r32_float 2
// uav u2: typed r32_float 2
// expect u1: 0 2.5
// expect u2: 7.5 0
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array of resources takes consecutive registers from the one given); learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbuffer
#include "resource_stages.hlsli"
RWBuffer<float> outputs[2] : register(u1);
float4 PSMain() : SV_Target
{
    outputs[0][1] = 2.5;
    outputs[1][0] = 7.5;
    return 0;
}
