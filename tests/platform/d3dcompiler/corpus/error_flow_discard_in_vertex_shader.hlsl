// Windows: discard is a pixel shader statement; a vertex shader that reaches one, here through a
// function it calls, is refused (fxc's words for it were not found).
// verdict: compile-error VSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-discard ("This statement can only be called from a pixel shader; it is not supported within a geometry shader or a vertex shader")
float4 Checked(float4 position)
{
    if (position.w < 0)
        discard;
    return position;
}
float4 VSMain(float4 position : POSITION) : SV_Position
{
    return Checked(position);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
