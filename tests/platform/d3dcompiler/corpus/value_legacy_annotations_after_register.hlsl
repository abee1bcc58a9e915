// Windows: a variable's annotations are allowed after its register binding
// and on a constant-buffer member; they change no value.
// verdict: accepted
// probe: 8 5 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ("[Storage_Class] [Type_Modifier] Type Name[Index] [: Semantic] [: Packoffset] [: Register]; [Annotations] [= Initial_Value]") and dx-graphics-hlsl-annotations
#include "probe_stages.hlsli"
float a : register(c2) < string UIName = "a"; >;
cbuffer Layout : register(b1)
{
    float b < float UIMin = 0; >;
};
float4 PSMain() : SV_Target
{
    return float4(a, 5, 0, 0);
}
