// Windows: #undef then #define gives a macro a new body, and a macro
// defined in terms of another reads the other's body where it is used.
// verdict: accepted
// probe: 2 20 3 30
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define and dx-graphics-hlsl-appendix-pre-undef; C's rescanning of a replacement where it is used
#include "probe_stages.hlsli"
#define BASE 1
#define TENFOLD (BASE * 10)
#undef BASE
#define BASE 2
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 r = float4(BASE, TENFOLD, 0, 0);
#undef BASE
#define BASE 3
    r.zw = float2(BASE, TENFOLD) + position.x * 0.0;
    return r;
}
