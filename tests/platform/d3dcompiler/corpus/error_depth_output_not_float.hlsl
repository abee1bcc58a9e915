// Windows: the depth a pixel shader writes (SV_Depth) is one float; an int,
// a vector or a double there is refused at compile time.
// verdict: compile-error PSMain -
// group: semantics
// error text: SV_Depth
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (system-value semantics table: SV_Depth, "Depth buffer data", type float); the words are the stand-in's own: fxc's message for this case is not quoted in the pages searched
#include "probe_stages.hlsli"
struct Output
{
    float4 color : SV_Target;
    int depth : SV_Depth;
};
Output PSMain()
{
    Output output;
    output.color = float4(1, 0, 0, 1);
    output.depth = 1;
    return output;
}
