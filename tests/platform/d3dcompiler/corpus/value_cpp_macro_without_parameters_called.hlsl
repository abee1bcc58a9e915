// Windows: a macro of no parameters is called with empty parentheses; no
// argument is missing.
// verdict: accepted
// probe: 3 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (#define identifier( ) token-string)
#include "probe_stages.hlsli"
#define THREE() 3.0
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(THREE(), position.x, 0, position.w * 0.5);
}
