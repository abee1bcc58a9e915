// Windows: SV_Target8 is past the eight render targets also when an out
// parameter carries it.
// verdict: compile-error PSMain X4502
// error text: SV_Target8
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Target[n], 0 <= n <= 7); fxc's X4502 for semantics it does not allow (see error_x4502_sv_target8.hlsl)
#include "probe_stages.hlsli"
void PSMain(float4 position : SV_Position, out float4 first : SV_Target0,
            out float4 ninth : SV_Target8)
{
    first = position;
    ninth = position;
}
