// Windows: a pixel shader of shader model 4 and later writes SV_Target, not
// Direct3D 9's COLOR, unless backwards compatibility is asked for.
// verdict: compile-error PSMain X4502
// group: semantics
// error text: 'COLOR'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (Direct3D 10 and later: COLOR as a pixel shader output is SV_Target); a question on stackoverflow.com ("Why COLOR as an output semantic is not supported when targeting ps_4_0") whose answer says fxc refuses it without /Gec (D3DCOMPILE_ENABLE_BACKWARDS_COMPATIBILITY); the words "invalid ps_5_0 output semantic 'COLOR'" follow fxc's X4502 form, not seen quoted for this case
float4 VSMain(float3 position : POSITION) : SV_Position
{
    return float4(position, 1.0);
}
float4 PSMain(float4 position : SV_Position) : COLOR
{
    return 1.0;
}
