// Windows: __LINE__ is the number of the line it is on.
// verdict: accepted
// probe: 11 12 13 1
// group: preprocessor
// source: learn.microsoft.com/cpp/preprocessor/predefined-macros (__LINE__, the line number in the current source file; the HLSL preprocessor is C's: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-preprocessor)
#include "probe_stages.hlsli"
#define HERE __LINE__
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 r;
    r.x = __LINE__;
    r.y = HERE;
    r.z = __LINE__; r.w = position.x * 2.0;
    return r;
}
