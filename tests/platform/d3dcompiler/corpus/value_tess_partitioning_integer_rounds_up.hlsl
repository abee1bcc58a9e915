// Windows: an integer factor of 2.5 rounds up to 3 equal segments, so the domain shader sees u and
// v only at multiples of 1/3 on a quad patch whose factors are all 2.5.
// verdict: accepted
// patch: 4
// group: tessellation
// uav u1: raw 2
// expect u1: 4369 4369
// source: learn.microsoft.com/windows/win32/api/d3dcommon/ne-d3dcommon-d3d_tessellator_partitioning (integer, pow2, fractional_odd, fractional_even) and windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (the tessellator divides each edge by its factor)
#define CORPUS_PARTITIONING "integer"
#define CORPUS_FACTOR 2.5
#include "partition_stages.hlsli"
