// Windows: a float operand of & is refused; bitwise operators take integers.
// verdict: compile-error PSMain X3082
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_BINARYTYPE_EXPECTED, 3082: "An int or unsigned int type is required for bitwise operators") and dx-graphics-hlsl-operators (bitwise operators ~, <<, >>, &, |, ^, <<=, >>=, &=, |=, ^=)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float coverage = position.x;
    return coverage & 1;
}
