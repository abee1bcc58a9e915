// Windows: a function-like macro's name with no '(' after it is an ordinary
// name, here a variable's.
// verdict: accepted
// probe: 3 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define; C99 6.10.3 (a function-like macro's name is replaced only where '(' follows)
#include "probe_stages.hlsli"
#define SCALE(x) ((x) * 2.0)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float SCALE = SCALE(1.5);
    return float4(SCALE, position.x, 0, position.w * 0.5);
}
