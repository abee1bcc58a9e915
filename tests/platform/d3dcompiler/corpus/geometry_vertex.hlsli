// Included by the geometry-shader cases: the vertex they take in and hand on,
// a position and a colour.
struct VSOut
{
    float4 pos : SV_Position;
    float4 color : COLOR0;
};
