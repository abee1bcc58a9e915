// Windows: [earlydepthstencil] on a pixel shader's entry point.
// verdict: accepted
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-earlydepthstencil
#define PSMain PSMainWithoutAttribute
float Shade(float y)
{
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"
#undef PSMain
[earlydepthstencil]
float4 PSMain(PixelInput input) : SV_Target
{
    return PSMainWithoutAttribute(input);
}
