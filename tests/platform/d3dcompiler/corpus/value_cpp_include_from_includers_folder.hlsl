// Windows: a quoted #include not found beside the file that holds it is
// looked for in the folder of the file that included that one.
// verdict: accepted
// probe: 11 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include ("#include "filename"" searches "in the same directory as the file that contains the #include directive", then "in the directories of any files that contain a #include directive for the file that contains the #include directive")
#include "probe_stages.hlsli"
#include "cpp_folder/chain_outer.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(ChainLeafValue(), position.x, 0, position.w * 0.5);
}
