// Windows: an edge factor of 0 culls the patch: the domain shader never runs and nothing is
// drawn, so the target keeps its clear value.
// verdict: accepted
// patch: 4
// clear: 0.5 0.5 0.5 0.5
// probe: 0.5 0.5 0.5 0.5
// group: tessellation
// uav u1: raw 1
// expect u1: 0
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (hull shader stage: an edge tessellation factor of 0 or NaN culls the patch)
#define CORPUS_CULLING_FACTOR 0
#include "culling_stages.hlsli"
