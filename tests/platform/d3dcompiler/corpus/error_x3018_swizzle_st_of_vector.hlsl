// Windows: s, t, p and q name no components in HLSL; .st of a float4 is an invalid subscript.
// verdict: compile-error PSMain X3018
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (a vector's components are named from two sets only: the position set x, y, z, w and the colour set r, g, b, a) and hlsl-errors-and-warnings (X3018: "The subscript is invalid")
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = position.st;
    return float4(uv, 0, 1);
}
