// Windows: after a structure whose method returns the structure, a misspelt name is still
// reported on its own line and columns.
// verdict: compile-error PSMain X3004
// group: functions
// error text: (24,19-27): error X3004: undeclared identifier 'brightnes'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier); fxc's "file(line,columns): error X3004: undeclared identifier" form as quoted in Tint's test expectations
#include "probe_stages.hlsli"
struct Pair
{
    float a; // the first
    float b;
    /* doubled */
    Pair Doubled()
    {
        Pair p; // a copy
        p.a = a * 2.0;
        p.b = b * 2.0;
        return p;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair p = (Pair)position.x;
    return float4(brightnes, p.Doubled().a, 0, 1);
}
