// Windows: a vertex shader input without a semantic is refused.
// verdict: compile-error VSMain X3502
// group: semantics
// error text: error X3502: 'VSMain': input parameter 'corner' missing semantics
// source: fxc's words as Tint's test expectations quote them ("error X3502: 'f': input parameter 'inputs' missing semantics"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics
float4 VSMain(float2 corner) : SV_Position
{
    return float4(corner, 0, 1);
}
float4 PSMain() : SV_Target
{
    return 1;
}
