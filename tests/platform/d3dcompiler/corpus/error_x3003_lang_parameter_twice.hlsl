// Windows: two parameters of one name.
// verdict: compile-error PSMain X3003
// group: functions
// error text: redefinition of 'y'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3003: redefinition)
float Shade(float y, float y)
{
    return y;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return Shade(position.x, position.y);
}
