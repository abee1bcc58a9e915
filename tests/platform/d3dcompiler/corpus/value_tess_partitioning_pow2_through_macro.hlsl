// Windows: the preprocessor expands a macro in an attribute's argument as anywhere else, so
// [partitioning(PARTITIONING)] with PARTITIONING standing for "pow2" is pow2 partitioning: a factor
// of 3 rounds up to 4 equal segments, and the domain shader sees u and v only at multiples of 1/4.
// verdict: accepted
// patch: 4
// group: tessellation
// uav u1: raw 2
// expect u1: 4681 4681
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define-2 (the identifier is replaced by the token string wherever it occurs) and windows/win32/api/d3dcommon/ne-d3dcommon-d3d_tessellator_partitioning (pow2)
#define CORPUS_PARTITIONING "pow2"
#define CORPUS_FACTOR 3.0
#include "partition_stages.hlsli"
