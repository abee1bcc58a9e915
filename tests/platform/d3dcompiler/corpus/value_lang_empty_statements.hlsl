// Windows: empty statements and blocks, and a semicolon after a function's
// body, are accepted and do nothing.
// verdict: accepted
// probe: 2 1 0 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (the declaration's syntax ends "{ [StatementBlock] };") and dx-graphics-hlsl-statement-blocks
#include "probe_stages.hlsli"
float Twice(float x)
{
    ;
    {}
    return x * 2.0;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float r = Twice(position.x * 2.0);;
    if (r > 100.0)
        ;
    for (int i = 0; i < 2; ++i) {}
    return float4(r, 1.0, 0.0, 1.0);
}
