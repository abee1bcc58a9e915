// Windows: SV_GSInstanceID is a geometry shader input only; a domain shader cannot take it.
// verdict: compile-error DSMain X4502
// error text: invalid ds_5_0 input semantic 'SV_GSInstanceID'
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_GSInstanceID: geometry shader input); fxc's form as quoted for "invalid ps_4_0 input semantic 'SV_PointCoord'" (X4502)
#include "triangle_patch.hlsli"
[domain("tri")]
float4 DSMain(PatchConstants constants, float3 uvw : SV_DomainLocation,
              const OutputPatch<ControlPoint, 3> patch, uint extra : SV_GSInstanceID) : SV_Position
{
    return float4(patch[0].pos * uvw.x + patch[1].pos * uvw.y + patch[2].pos * uvw.z, 1) + (float)extra;
}
