// Windows: sqrt has no double form at shader model 5.0: a double argument is converted to float (warning X3205), so the root is the float one.
// verdict: accepted
// probe: 0 1.41421354 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sqrt (float types only) and the Shader Model 5 assembly list (no double square root; ddiv, dfma, drcp the only double extensions); fxc's narrowing with a warning as slang issue 1180 reports it ("when such functions are called a warning is produced to say that the type has been narrowed to a float")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double two = (double)(position.x * 4.0);
    double root = sqrt(two);
    double floatRoot = (double)sqrt((float)two);
    return float4((float)((root - floatRoot) * 100000000.0), (float)root, (float)(two * 0.5), 0);
}
