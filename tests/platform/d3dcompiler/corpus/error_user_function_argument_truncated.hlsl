// Windows: an argument converts to its parameter's type as an assignment
// does: a float4 given for a float3 parameter drops its last component with
// warning X3206 (implicit truncation of vector type), which
// D3DCOMPILE_WARNINGS_ARE_ERRORS makes the compile's error.
// verdict: compile-error PSMain X3206
// flags: WARNINGS_ARE_ERRORS
// error text: implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (arguments are copied in as the parameter's type); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3206, implicit truncation of vector type, a warning)
float Brightness(float3 colour)
{
    return colour.x + colour.y + colour.z;
}
float Shade(float y)
{
    float4 colour = float4(y, 0.25, 0.125, 1.0);
    return Brightness(colour) * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
