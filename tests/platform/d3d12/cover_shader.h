// The shaders that draw one colour over the whole target: the vertex shader
// Cover makes one triangle over it from SV_VertexID, the pixel shader Flat
// writes the four root constants at b0.
#pragma once

constexpr char kCoverShader[] = R"hlsl(
cbuffer Colour : register(b0) { float4 colour; };
[RootSignature("RootConstants(num32BitConstants=4, b0)")]
float4 Cover(uint id : SV_VertexID) : SV_Position {
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1);
}
float4 Flat() : SV_Target { return colour; }
)hlsl";
