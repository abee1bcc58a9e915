// Windows: a quoted #include may climb with '..' from the including file's
// folder.
// verdict: accepted
// probe: 9 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include (the name is a path, relative to the including file's folder)
#include "probe_stages.hlsli"
#include "cpp_folder/cpp_climbs.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(CppParentValue(), position.x, 0, position.w * 0.5);
}
