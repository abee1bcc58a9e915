// Windows: SV_GSInstanceID is a geometry shader's input only.
// verdict: compile-error VSMain X4502
// error text: invalid vs_5_0 input semantic 'SV_GSInstanceID'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_GSInstanceID: geometry shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
float4 VSMain(uint instance : SV_GSInstanceID) : SV_Position
{
    return float4(instance, 0, 0, 1);
}
