// Windows: at shader model 4 and later a global's register(bN) and register(iN) place nothing; only register(cN) does, and the others pack after it.
// verdict: accepted
// probe: 9 8 10 0
// group: values
// source: fxc's $Globals for this source (u2 32, u1 36, u3 40) as DirectXShaderCompiler issue 7640 quotes it; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset (automatically packed globals follow the last placed one)
#include "probe_stages.hlsli"
float u1 : register(b2);
float u2 : register(c2);
float u3 : register(i2);
float4 PSMain() : SV_Target
{
    return float4(u1, u2, u3, 0);
}
