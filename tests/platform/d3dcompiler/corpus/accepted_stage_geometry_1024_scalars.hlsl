// Windows: 256 vertices of one float4 are exactly the 1024 scalars a geometry shader may write.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/geometry-shader-stage and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (at most 1024 32-bit values out of one invocation)
struct Corner
{
    float4 pos : SV_Position;
};
[maxvertexcount(256)]
void GSMain(point Corner input[1], inout PointStream<Corner> stream)
{
    for (int i = 0; i < 256; ++i)
    {
        Corner c = input[0];
        c.pos.x += i;
        stream.Append(c);
    }
}
