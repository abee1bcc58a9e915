// Windows: Sample needs derivatives, which only a pixel shader has; a geometry shader cannot call it.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample ("This function is supported in the following types of shaders": pixel only for Sample; SampleLevel elsewhere); fxc's words for it as for Sample outside a pixel shader (X4532) are expected, not checked by number
struct VSOut
{
    float4 pos : SV_Position;
    float2 uv : TEXCOORD0;
};
Texture2D heights : register(t0);
SamplerState linearSampler : register(s0);
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    for (int i = 0; i < 3; ++i)
    {
        VSOut v = input[i];
        v.pos.y += heights.Sample(linearSampler, v.uv).r;
        stream.Append(v);
    }
}
