// Windows: asdouble joins two uints; a call with one argument has no matching overload.
// verdict: compile-error PSMain X3013
// error text: 'asdouble': no matching 1 parameter intrinsic function
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-asdouble (asdouble(uint lowbits, uint highbits)); fxc's X3013 words as the compiler README records them for intrinsics called with a wrong argument count
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double d = asdouble((uint)position.x);
    return float4((float)d, 0, 0, 1);
}
