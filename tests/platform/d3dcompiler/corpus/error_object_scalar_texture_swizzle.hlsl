// Windows: Load of a Texture2D<float> gives a float, whose .y is X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'y'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Return Value: The return type matches the type in the Object declaration"); fxc's X3018 words for a subscript its type lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
float4 PSMain() : SV_Target
{
    return grid.Load(int3(0, 0, 0)).y;
}
