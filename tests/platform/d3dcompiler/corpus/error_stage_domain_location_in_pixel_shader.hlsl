// Windows: SV_DomainLocation is a domain shader's input only.
// verdict: compile-error PSMain X4502
// error text: invalid ps_5_0 input semantic 'SV_DomainLocation'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_DomainLocation: domain shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
float4 PSMain(float3 uvw : SV_DomainLocation) : SV_Target
{
    return float4(uvw, 1);
}
