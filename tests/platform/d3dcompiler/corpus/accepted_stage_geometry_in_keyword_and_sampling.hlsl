// Windows: a geometry shader's input may carry "in" before its primitive type, and it reads a texture with SampleLevel.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (parameters may take the usual in/out modifiers) and dx-graphics-hlsl-to-samplelevel (SampleLevel in any stage: it takes its level and needs no derivatives)
struct VSOut
{
    float4 pos : SV_Position;
    float2 uv : TEXCOORD0;
};
Texture2D heights : register(t0);
SamplerState linearSampler : register(s0);
[maxvertexcount(3)]
void GSMain(in triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    for (int i = 0; i < 3; ++i)
    {
        VSOut v = input[i];
        v.pos.y += heights.SampleLevel(linearSampler, v.uv, 0).r;
        stream.Append(v);
    }
}
