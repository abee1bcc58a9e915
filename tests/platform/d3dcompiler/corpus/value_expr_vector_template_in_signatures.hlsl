// Windows: vector<T, N> is a type wherever one goes: a static, a parameter, a
// return type and a cast.
// verdict: accepted
// probe: 3 5 7 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector (template-style declaration, vector <Type, Components>)
#include "probe_stages.hlsli"
static vector<float, 2> offset = { 1, 2 };
vector<float, 3> Scale(vector<float, 3> v, vector<int, 2> k)
{
    return v * k.x + k.y;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    vector<float, 3> scaled = Scale(float3(1, 2, 3) * one, int2(2, 1));
    vector<float, 2> cut = (vector<float, 2>)scaled;
    return float4(cut, scaled.z, offset.y);
}
