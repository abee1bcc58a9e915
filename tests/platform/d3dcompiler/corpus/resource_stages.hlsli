// Included by the corpus shaders that read or write declared resources: the
// vertex shader of probe_stages.hlsli under the root signature the test builds
// from the case's resource lines (CORPUS_ROOT_SIGNATURE: the constants at b0,
// then each declared view, then static samplers). PSMain's value is read back
// from a 1x1 R32G32B32A32_FLOAT target, where SV_Position is (0.5, 0.5, 0, 2).
[RootSignature(CORPUS_ROOT_SIGNATURE)]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
}
