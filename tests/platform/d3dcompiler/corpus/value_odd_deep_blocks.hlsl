// Windows: 100 nested blocks compile.
// verdict: accepted
// probe: 2 0.5 0 1
// group: syntax
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-statement-blocks (blocks nest; no limit is documented)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float v = 0;
{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{ v = position.w; }}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}
    return float4(v, position.x, 0, position.w * 0.5);
}
