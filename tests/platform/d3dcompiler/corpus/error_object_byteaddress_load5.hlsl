// Windows: a ByteAddressBuffer reads one to four words (Load to Load4); Load5 is no method of it: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'Load5'
// buffer t0: raw 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-byteaddressbuffer (methods GetDimensions, Load, Load2, Load3, Load4); X3018's words as in error_gap_texture2dms_sample.hlsl
#include "resource_stages.hlsli"
ByteAddressBuffer raw : register(t0);
float4 PSMain() : SV_Target
{
    return float4(raw.Load5(0).x, 0, 0, 0);
}
