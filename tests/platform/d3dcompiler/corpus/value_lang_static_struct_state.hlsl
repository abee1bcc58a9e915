// Windows: a static structure takes its initialiser list member by member
// and keeps what functions write to it during the invocation.
// verdict: accepted
// probe: 3 22 5 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static globals, initialisers) and dx-graphics-hlsl-struct
#include "probe_stages.hlsli"
struct Counter
{
    int calls;
    float2 total;
};
static Counter s_counter = { 1, float2(10, 20) };
void Add(float amount)
{
    s_counter.calls++;
    s_counter.total.y += amount;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Add(one);
    Add(one);
    Counter copy = s_counter;
    copy.total.x = 5;
    return float4(s_counter.calls, s_counter.total.y, copy.total.x, s_counter.total.x - 9);
}
