// Windows: #pragma warning and pragmas the compiler does not know are
// accepted; #line renumbers the lines that follow.
// verdict: accepted
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning, dx-graphics-hlsl-appendix-pre-pragma ("pragmas that the compiler does not recognize are ignored") and dx-graphics-hlsl-appendix-pre-line
#pragma warning(disable : 3206)
#pragma warning(push)
#pragma warning(pop)
#pragma some_other_tool_option
#line 100
float Shade(float y)
{
    float2 pair = float4(y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"
