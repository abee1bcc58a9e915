// Windows: ddy_fine needs a pixel shader's derivatives.
// verdict: compile-error VSMain X4532
// group: intrinsics
// error text: cannot map expression to vs_5_0 instruction set
// source: learn.microsoft.com/windows/win32/direct3dhlsl/ddy-fine ("This function is supported only in pixel shaders"); fxc's X4532 words as for Sample in a vertex shader
float4 VSMain(float4 position : POSITION) : SV_Position
{
    return position + ddy_fine(position);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
