// Windows: a macro an included file defines makes its argument a string with
// #, which an annotation takes; ## of the same file joins numbers.
// verdict: accepted
// probe: 15 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/cpp/preprocessor/stringizing-operator-hash; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-annotations and dx-graphics-hlsl-appendix-pre-include
#include "probe_stages.hlsli"
#include "macro_library.hlsli"
static const float fifteen < string UIName = LIB_NAME_OF(fifteen units); > = LIB_JOIN(1, 5);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(fifteen, position.x, 0, position.w * 0.5);
}
