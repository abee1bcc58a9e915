// Windows: a string global is an effect value: it takes no room among the
// constants, so the float after it is at c0.
// verdict: accepted
// probe: 0 1 2 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-data-types (String Type: "strings are ... used for annotations and effect parameters"; a shader cannot use them) and dx-graphics-hlsl-constants
#include "probe_stages.hlsli"
string Title = "legacy";
float3 values;
float4 PSMain() : SV_Target
{
    return float4(values, 0);
}
