// Windows: SV_Coverage as a member of the pixel shader's input structure reads
// as it does as a parameter of its own: 1 on a target of one sample, beside
// the structure's other members.
// verdict: accepted
// probe: 1 2 0 2
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Coverage: "the coverage mask", an input of the pixel shader; semantics given on structure members apply to the entry point's inputs as on parameters)
#include "probe_stages.hlsli"
struct PixelIn
{
    float4 position : SV_Position;
    uint coverage : SV_Coverage;
    uint sample : SV_SampleIndex;
};
float4 PSMain(PixelIn i) : SV_Target
{
    return float4(i.coverage, i.sample + 2, 0, i.position.w);
}
