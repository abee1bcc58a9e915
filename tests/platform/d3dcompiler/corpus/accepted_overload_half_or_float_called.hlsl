// Windows: of overloads on half and float, a float argument calls the float
// one and a half argument the half one.
// verdict: accepted
// group: functions
// probe: 2 1 0 1
// source: github.com/microsoft/DirectXShaderCompiler/issues/1397 (fxc keeps "half func(half)" and "float func(float)" apart; func(0.0f) calls the float one); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (half)
#include "probe_stages.hlsli"
float Which(half value)
{
    return 1.0;
}
float Which(float value)
{
    return 2.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float wide = position.x;
    half narrow = position.y;
    return float4(Which(wide), Which(narrow), 0, 1);
}
