// The vertex input every shader of the system declares, in the order of the
// renderer's fixed input layout, for test shaders written the same way.
#pragma once

inline constexpr const char kVertexInputHlsl[] = R"hlsl(
struct VertexInput {
    float3 position : POSITION;
    float3 normal : NORMAL;
    float2 uv : UV;
    float4 color : COLOR;
    uint instanceId : SV_InstanceID;
};
)hlsl";
