// Windows: a ByteAddressBuffer's templated Load<T> comes with shader model 6.2; at 5.0 it is refused.
// verdict: compile-error PSMain -
// group: resources
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-byteaddressbuffer-load (Load(uint Location) gives a uint; the templated form is not among shader model 5's overloads); fxc's words for it were not found
#include "resource_stages.hlsli"
ByteAddressBuffer raw : register(t0);
float4 PSMain() : SV_Target
{
    return raw.Load<float>(0);
}
