// Windows: sin, cos and exp have no double forms at shader model 5.0: a double argument is converted to float (warning X3205) and the result is a float's.
// verdict: accepted
// probe: 0 0 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sin, dx-graphics-hlsl-cos and dx-graphics-hlsl-exp (float types only); fxc's narrowing with a warning as slang issue 1180 reports it ("when such functions are called a warning is produced to say that the type has been narrowed to a float")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double x = (double)(position.x * 2.0);
    float f = position.x * 2.0;
    double s = sin(x) - (double)sin(f);
    double c = cos(x) - (double)cos(f);
    double e = exp(x) - (double)exp(f);
    return float4((float)(s * 1e8), (float)(c * 1e8), (float)(e * 1e8), (float)x);
}
