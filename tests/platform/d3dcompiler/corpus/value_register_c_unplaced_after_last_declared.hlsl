// Windows: a global without register(cN) packs after the last placed global declared (z in c1), not after the highest placed one (x in c10): y lies at byte 20.
// verdict: accepted
// probe: 40 5 4 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset ("Automatically packed elements (those declared without packoffset) will appear after the last manually packed variable"); fxc's $Globals for this source (x 160, z 16, y 20) as DirectXShaderCompiler issue 1900 quotes it
#include "probe_stages.hlsli"
float x : register(c10);
float y;
float z : register(c1);
float4 PSMain() : SV_Target
{
    return float4(x, y, z, 0);
}
