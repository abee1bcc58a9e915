// Windows: a static global without an initialiser starts at zero.
// verdict: accepted
// probe: 0 0 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static: "the global variable is initialized to zero" unless an initializer is given)
#include "probe_stages.hlsli"
static float3 s_sum;
static int s_count;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    if (position.x > 1.0) // never, but the compiler cannot know
    {
        s_sum = 7;
        s_count = 3;
    }
    return float4(s_sum.xy, s_count, 1);
}
