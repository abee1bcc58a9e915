// Windows: # makes a macro's argument a string literal, white space within
// it one space, which an annotation's string value takes; ## beside it in the
// same replacement still joins.
// verdict: accepted
// probe: 2 4 0.5 2
// group: preprocessor
// source: learn.microsoft.com/cpp/preprocessor/stringizing-operator-hash and token-pasting-operator-hash-hash; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-annotations (string values of annotations); C99 6.10.3.2
#include "probe_stages.hlsli"
#define NAME_OF(x) #x
#define SCALED(name, value) static const float name##_scale < string UIName = #name; string Note = NAME_OF(value   *   2); > = value
SCALED(red, 2.0);
static const float green_scale < string UIName = NAME_OF(green   channel); > = 4.0;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(red_scale, green_scale, position.x, position.w);
}
