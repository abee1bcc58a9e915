// Windows: an out or inout argument may be an array element at a run-time
// index or a structure member inside an array; the value is copied back
// into that element when the function returns, and an array given inout
// comes back whole.
// verdict: accepted
// probe: 8 3 12 6
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("out ... copied out ... when the function returns"; "inout ... copied in and out")
#include "probe_stages.hlsli"
struct Cell
{
    float value;
    float weight;
};
void SetTo(out float target, float value)
{
    target = value;
}
void Scale(inout float values[3], float by)
{
    for (int k = 0; k < 3; k++)
    {
        values[k] *= by;
    }
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    float values[3] = { 1, 2, 3 };
    SetTo(values[i + 1], 8);       // values[2]
    Cell cells[2];
    cells[0].value = 0;
    cells[0].weight = 0;
    cells[1].value = 0;
    cells[1].weight = 0;
    SetTo(cells[i].weight, 3);
    Scale(values, 1.5);            // 1.5 3 12
    return float4(values[2] / 1.5, cells[1].weight, values[i + 1], values[i] * 2);
}
