// Windows: a ByteAddressBuffer read past the view's size reads 0; Load3 reads three words from its byte address.
// verdict: accepted
// probe: 6 0 3 4
// group: resources
// buffer t0: raw 4 : 1 6 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds"); sm5-object-byteaddressbuffer-load3
#include "resource_stages.hlsli"
ByteAddressBuffer raw : register(t0);
float4 PSMain() : SV_Target
{
    uint3 three = raw.Load3(4);
    return float4(raw.Load(4), raw.Load(16) + raw.Load(400), three.yz);
}
