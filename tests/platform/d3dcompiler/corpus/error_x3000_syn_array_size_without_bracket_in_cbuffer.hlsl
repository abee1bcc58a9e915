// Windows: a constant buffer member's array size whose ']' is missing meets the
// declaration's ';'. (glslang crashed on this source where a structure array
// and an entry point followed.)
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (14,19-19): error X3000: syntax error: unexpected token ';'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Name[Index]: the array size in brackets)
struct Slot
{
    float4 color;
};
cbuffer Instances : register(b0)
{
    Slot slots[128;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return slots[0].color;
}
