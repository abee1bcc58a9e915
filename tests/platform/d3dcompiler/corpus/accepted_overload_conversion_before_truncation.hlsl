// Windows: a float3 argument goes to the uint3 overload, whose component type
// differs, before the float2 or float one, which would drop components.
// verdict: accepted
// group: functions
// probe: 2 0 0 1
// source: llvm-project's clang/test/SemaHLSL/TruncationOverloadResolution.hlsl ("Prefer conversion over exact match truncation", HLSL's ranking as DirectXShaderCompiler and fxc apply it); tryMinimums in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl compiles with fxc
float Which(float2 v)
{
    return 1.0;
}
float Which(uint3 v)
{
    return 2.0;
}
float Which(float v)
{
    return 3.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float3 place = float3(position.xy, 1.0);
    return float4(Which(place), 0, 0, 1);
}
#include "probe_stages.hlsli"
