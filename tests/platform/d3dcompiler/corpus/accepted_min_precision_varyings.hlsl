// Windows: values of every minimum-precision type pass from the vertex to the pixel shader when both stages declare the same types; without minimum-precision hardware they compute at 32 bits.
// verdict: accepted
// probe: 0.25 -3 1.5 7
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (min16float, min10float, min16int, min12int, min16uint; drivers may compute them at any greater precision) and D3D12_SHADER_MIN_PRECISION_SUPPORT_NONE (full 32-bit precision); Windows' compiler builds this shader
struct Varyings
{
    float4 position : SV_Position;
    min16float2 pair : TEXCOORD0;
    min10float ten : TEXCOORD1;
    nointerpolation min16int whole : TEXCOORD2;
    nointerpolation min12int twelve : TEXCOORD3;
    nointerpolation min16uint unsigned16 : TEXCOORD4;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    float2 corner = float2((id << 1) & 2, id & 2);
    Varyings output;
    output.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
    output.pair = min16float2(0.25, 1.5);
    output.ten = 0.5;
    output.whole = -5;
    output.twelve = 2;
    output.unsigned16 = 6;
    return output;
}
min16float4 PSMain(Varyings input) : SV_Target
{
    return min16float4(input.pair.x, input.whole + input.twelve, input.pair.y,
                       input.unsigned16 + input.ten * 2);
}
