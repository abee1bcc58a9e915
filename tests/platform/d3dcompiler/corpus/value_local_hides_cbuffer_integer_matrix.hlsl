// Windows: a parameter or local named as a constant buffer's integer matrix
// hides it inside its scope; before the local's declaration, and in other
// functions, the name is the constant's. The constant buffer's float i is i,
// so the int2x2 at its start holds asint(0.0), asint(1.0) in its first column.
// verdict: accepted
// probe: 1 5 6 8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (a variable declared in a function is local to it) and dx-graphics-hlsl-packing-rules (matrices start a register; column-major by default)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    int2x2 m;
};
int Sum(int2x2 m)
{
    return m[0].x + m[1].y;
}
float4 PSMain() : SV_Target
{
    float global = m._21 == asint(1.0);
    float fromParameter = Sum(int2x2(1, 2, 3, 4));
    int2x2 m = int2x2(5, 6, 7, 8);
    return float4(global, fromParameter, m[0].y, m._22);
}
