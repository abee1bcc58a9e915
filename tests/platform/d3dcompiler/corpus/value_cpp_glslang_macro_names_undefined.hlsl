// Windows: the compiler predefines no VULKAN and no GL_ names, so a source
// testing them takes the other branch, and may name a constant VULKAN.
// verdict: accepted
// probe: 2 3 0.5 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-preprocessor and dx-graphics-hlsl-appendix-pre-define (no predefined names listed; macros come from #define and D3DCompile's pDefines); DirectXShaderCompiler issue 1686 ("Add built-in macros for dxc": predefined macros would tell dxc from fxc, which has none)
#include "probe_stages.hlsli"
#if defined(VULKAN) || defined(GL_core_profile) || defined(GL_GOOGLE_include_directive)
#define PICKED 1
#else
#define PICKED 2
#endif
static const float VULKAN = 3.0;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(PICKED, VULKAN, position.x, position.w * 0.5);
}
