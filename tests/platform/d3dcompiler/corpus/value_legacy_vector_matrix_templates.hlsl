// Windows: vector<float, 3> is a float3 and plain vector a float4; as globals
// they pack as those types, the float4 starting the next register.
// verdict: accepted
// probe: 2 4 7 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector ("vector <Type, Number> VariableName"; "vector" alone is a float4) and dx-graphics-hlsl-packing-rules
#include "probe_stages.hlsli"
vector<float, 3> a;
vector b;
float4 PSMain() : SV_Target
{
    return float4(a.z, b.x, b.w, 0);
}
