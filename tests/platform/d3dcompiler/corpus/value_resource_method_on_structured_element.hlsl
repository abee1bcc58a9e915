// Windows: a method of a structured buffer's element type may be called on an
// element read from the buffer, reading that element's members.
// verdict: accepted
// probe: 13 5.5 7 1
// group: resources
// buffer t0: structured 8 2 : 1.0 2.0 5.5 3.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer (elements of a structure type) and overviews-direct3d-11-hlsl-dynamic-linking-class (methods of classes and structures as in C++)
#include "resource_stages.hlsli"
struct Line
{
    float bias;
    float slope;
    float At(float x)
    {
        return bias + slope * x;
    }
};
StructuredBuffer<Line> lines : register(t0);
float4 PSMain() : SV_Target
{
    Line second = lines[1];
    return float4(lines[1].At(2.5), second.bias, lines[0].At(3.0), 1);
}
