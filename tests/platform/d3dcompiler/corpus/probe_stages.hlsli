// Included by the corpus shaders that probe a value: a vertex shader whose
// one triangle covers the whole 1x1 target with w = 2, so the pixel shader
// sees SV_Position = (0.5, 0.5, 0, 2). The including file's PSMain returns
// the values the probe reads back from an R32G32B32A32_FLOAT target. Values
// derived from SV_Position cannot be folded by the compiler, so they test
// the arithmetic the GPU runs. The constant buffer at b0 holds 4096 bytes in
// which float i (at byte 4i) is i: a constant read back names its offset.
[RootSignature("DescriptorTable(CBV(b0))")]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
}
