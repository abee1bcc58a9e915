// Windows: a file included from a folder includes its neighbour by its own
// folder first.
// verdict: accepted
// probe: 7 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include (quoted names are searched first in the folder of the file that holds the #include)
#include "probe_stages.hlsli"
#include "cpp_folder/cpp_outer.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(CppSubfolderValue(), position.x, 0, position.w * 0.5);
}
