// Windows: a float shifted left is refused, and so is a shift by a float count.
// verdict: compile-error PSMain X3082
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_BINARYTYPE_EXPECTED, 3082: "An int or unsigned int type is required for bitwise operators") and dx-graphics-hlsl-operators (bitwise operators ~, <<, >>, &, |, ^, <<=, >>=, &=, |=, ^=)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int bits = 3;
    int shifted = bits << position.y;
    return shifted;
}
