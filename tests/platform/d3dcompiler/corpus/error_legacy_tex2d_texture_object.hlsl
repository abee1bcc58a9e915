// Windows: tex2D takes a sampler, not a Texture2D object.
// verdict: compile-error PSMain X3013
// group: refuse
// error text: 'tex2D': no matching 2 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d ("s [in] The sampler state"); fxc's X3013 "no matching N parameter intrinsic function" form, as the compiler README's intrinsic call refusals quote it
#include "probe_stages.hlsli"
Texture2D image : register(t0);
float4 PSMain() : SV_Target
{
    return tex2D(image, float2(0.5, 0.5));
}
