// Windows: a compute shader has no outputs: SV_Target on its return value is refused.
// verdict: compile-error CSMain X4502
// error text: SV_Target
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Target: pixel shader output); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
[numthreads(1, 1, 1)]
float4 CSMain() : SV_Target
{
    return 1;
}
