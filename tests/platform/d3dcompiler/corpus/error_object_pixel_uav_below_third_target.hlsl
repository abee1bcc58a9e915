// Windows: a pixel shader writing three targets keeps u0 to u2 for them; a UAV at u2 is refused: X4509.
// verdict: compile-error PSMain X4509
// group: resources
// error text: must be bound to at least u3, manual bind to slot u2 failed
// texture t0: 2d r32_float 1x1
// source: fxc's "error X4509: UAV registers live in the same name space as outputs, so they must be bound to at least u3, manual bind to slot u0 failed", quoted in veldrid-spirv issue 14
#include "resource_stages.hlsli"
RWBuffer<uint> written : register(u2);
struct Targets
{
    float4 first : SV_Target0;
    float4 second : SV_Target1;
    float4 third : SV_Target2;
};
Targets PSMain()
{
    written[0] = 1;
    Targets targets;
    targets.first = 0;
    targets.second = 1;
    targets.third = 2;
    return targets;
}
