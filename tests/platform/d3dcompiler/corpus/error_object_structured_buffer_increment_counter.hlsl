// Windows: a read-only StructuredBuffer has no hidden counter; IncrementCounter belongs to RWStructuredBuffer: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'IncrementCounter'
// buffer t0: structured 4 2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer (methods GetDimensions, Load, Operator[]), sm5-object-rwstructuredbuffer-incrementcounter; X3018's words as in error_gap_texture2dms_sample.hlsl
#include "resource_stages.hlsli"
StructuredBuffer<uint> items : register(t0);
float4 PSMain() : SV_Target
{
    return float4(items.IncrementCounter(), 0, 0, 0);
}
