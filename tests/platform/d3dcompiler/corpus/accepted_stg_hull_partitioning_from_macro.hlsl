// Windows: an attribute's argument may come through an object-like macro, itself named by another;
// the hull shader partitions by powers of two.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define-2 (the identifier is replaced by the token string wherever it occurs) and windows/win32/direct3d11/direct3d-11-advanced-stages-hull-shader-design (partitioning: integer, fractional_even, fractional_odd, pow2)
#define POWERS_OF_TWO "pow2"
#define PARTITIONING POWERS_OF_TWO
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
    PatchConstants c;
    c.edges[0] = c.edges[1] = c.edges[2] = 5.0;
    c.inside = 5.0;
    return c;
}
[domain("tri")]
[partitioning(PARTITIONING)]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}
