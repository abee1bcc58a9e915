// Windows: a pixel shader's UAVs share slots with its render targets, so a UAV at u0 beside SV_Target0 is refused: X4509.
// verdict: compile-error PSMain X4509
// group: resources
// error text: UAV registers live in the same name space as outputs, so they must be bound to at least u1, manual bind to slot u0 failed
// texture t0: 2d r32_float 1x1
// source: fxc's "error X4509: UAV registers live in the same name space as outputs, so they must be bound to at least u3, manual bind to slot u0 failed", quoted in veldrid-spirv issue 14 (a pixel shader with three targets and a UAV at u0)
#include "resource_stages.hlsli"
RWStructuredBuffer<float> written : register(u0);
float4 PSMain() : SV_Target
{
    written[0] = 1;
    return 0;
}
