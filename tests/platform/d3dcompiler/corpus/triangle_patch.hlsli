// Included by the hull-shader cases that differ only in HSMain's attributes:
// a control point with a position, the factors of a triangle patch, and
// PatchMain, which sets every factor to 4.
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 3> patch)
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = 4.0;
    o.inside = 4.0;
    return o;
}
