// Windows: BlendState, DepthStencilState and RasterizerState globals with
// state blocks are effect objects: a shader compile takes and ignores them,
// and they take no room among the constants.
// verdict: accepted
// probe: 0 1 2 3
// group: accept
// source: learn.microsoft.com/windows/win32/direct3d11/d3d11-effect-state-groups ("BlendState ... { State = value; }", DepthStencilState, RasterizerState, with array-indexed states such as BlendEnable[0])
#include "probe_stages.hlsli"
BlendState Additive
{
    BlendEnable[0] = TRUE;
    SrcBlend = ONE;
    DestBlend = ONE;
    BlendOp = ADD;
    RenderTargetWriteMask[0] = 0x0F;
};
DepthStencilState NoDepth
{
    DepthEnable = FALSE;
    DepthWriteMask = ZERO;
};
RasterizerState Wireframe
{
    FillMode = WIREFRAME;
    CullMode = NONE;
};
float4 values;
float4 PSMain() : SV_Target
{
    return values;
}
