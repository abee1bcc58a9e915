// Windows: a Texture3D's Load takes (x, y, z, mip) and a three-component offset; [] reads level 0.
// verdict: accepted
// probe: 7 100 5 1
// group: resources
// texture t0: 3d r32_float 2x2x2 mips 2 : 0 1 2 3 4 5 6 7 100
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture3d-load ("int4 Location", "int3 Offset"); sm5-object-texture3d-operatorindex
#include "resource_stages.hlsli"
Texture3D<float> volume : register(t0);
float4 PSMain() : SV_Target
{
    return float4(volume.Load(int4(1, 1, 1, 0)), volume.Load(int4(0, 0, 0, 1)), volume.Load(int4(0, 0, 0, 0), int3(1, 0, 1)), volume[uint3(1, 0, 0)]);
}
