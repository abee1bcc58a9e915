// Windows: a float4x1 constant buffer member takes one register (its one
// column); a float1x1 after it starts the next.
// verdict: accepted
// probe: 0 1 2 4
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (matrices column by column by default, each column in a register) and dx-graphics-hlsl-matrix
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    float4x1 column;
    float1x1 single;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(column._11, column._21, column._31, single._11);
}
