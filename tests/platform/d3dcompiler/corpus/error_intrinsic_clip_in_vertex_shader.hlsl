// Windows: clip discards a pixel, so a vertex shader cannot call it (fxc's
// words for it were not found).
// verdict: compile-error VSMain -
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-clip ("Discards the current pixel"; supported in pixel shaders only, Shader Model table)
float4 VSMain(float4 position : POSITION) : SV_Position
{
    return position + (clip(position.x), 0);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
