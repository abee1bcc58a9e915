// Windows: a geometry shader may run up to 32 instances per primitive.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ("[instance(24)]"; the instance count is 1 to 32 in gs_5_0, D3D12_GS_MAX_INSTANCE_COUNT, 32, in the DirectX headers' d3d12.h)
struct VSOut
{
    float4 pos : SV_Position;
    float2 uv : TEXCOORD0;
};
[instance(32)]
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], uint instance : SV_GSInstanceID, inout TriangleStream<VSOut> stream)
{
    for (int i = 0; i < 3; ++i)
    {
        VSOut v = input[i];
        v.pos.x += instance;
        stream.Append(v);
    }
}
