// Windows: % of integer constants is a constant expression, so it may give
// an array's size, at global scope and inside a function, and a static
// const takes its value with the dividend's sign.
// verdict: accepted
// probe: 3 -3 2 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (an array's size is a literal or constant expression) and dx-graphics-hlsl-operators (% on integers, as in C)
#include "probe_stages.hlsli"
static const int kCount = 11 % 4;
static const int kNegative = -7 % 4;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float values[kCount];
    int local[7 % 3 + 1];
    for (int k = 0; k < kCount; k++)
    {
        values[k] = k;
    }
    local[0] = 2;
    local[1] = int(position.x * 2.0);
    return float4(values[2] + 1, kNegative, local[0], local[1]);
}
