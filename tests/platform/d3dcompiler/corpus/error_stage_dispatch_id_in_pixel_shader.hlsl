// Windows: SV_DispatchThreadID is a compute shader's input only.
// verdict: compile-error PSMain X4502
// error text: invalid ps_5_0 input semantic 'SV_DispatchThreadID'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid (compute shader input) and dx-graphics-hlsl-semantics; fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
float4 PSMain(uint3 id : SV_DispatchThreadID) : SV_Target
{
    return float4(id, 1);
}
