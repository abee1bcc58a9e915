// Windows: a function of the shader's own named lit is called, not the intrinsic.
// verdict: accepted
// probe: 7 7 7 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (user functions; an overload with the caller's exact argument types is chosen)
#include "probe_stages.hlsli"
float4 lit(float a, float b, float c)
{
    return 7;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return lit(position.x, position.y, 2.0);
}
