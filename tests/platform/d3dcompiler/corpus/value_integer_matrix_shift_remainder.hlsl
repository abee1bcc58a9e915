// Windows: <<, >> and % apply to integer matrices component by component;
// >> of an int is arithmetic, % keeps the dividend's sign, and a shift takes
// its count's low five bits.
// verdict: accepted
// probe: 160 -3 -4 20
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (shift and modulus operators, per component) and learn.microsoft.com/windows/win32/direct3dhlsl/ishr--sm4---asm- ("the 5 least significant bits of src1"; arithmetic shift)
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    uint2x2 u = uint2x2(1, 2, 3, 40);
    uint2x2 s = u << 2;
    int2x2 n = int2x2(-7, 7, 9, 16);
    int2x2 r = n % 4;
    int2x2 h = n >> 1;
    return float4(s._22, r._11, h._11, (u >> 33)._22);
}
