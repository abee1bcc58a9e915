// Windows: a macro's name inside its own replacement is not expanded again,
// so it names the variable of that name.
// verdict: accepted
// probe: 3 16 4 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (macros as C's); C99 6.10.3.4 (a macro's own name in its replacement is not replaced)
#include "probe_stages.hlsli"
static float level = 2.0;
#define level (level + 1)
#define SQUARE(x) ((x) * (x))
#define INDIRECT(x) SQUARE(x)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float bumped = level;
    return float4(bumped, SQUARE(SQUARE(2)), INDIRECT(2), position.x * 2.0);
}
