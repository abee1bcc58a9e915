// Windows: row_major in a typedef applies to members declared with that type.
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: row_major and column_major type modifiers) and dx-graphics-hlsl-typedef (a typedef names a type with its modifiers)
#include "probe_stages.hlsli"
typedef row_major float4x4 RowMatrix;
cbuffer Matrices : register(b0)
{
    RowMatrix m;
};
float4 PSMain() : SV_Target
{
    return m[0];
}
