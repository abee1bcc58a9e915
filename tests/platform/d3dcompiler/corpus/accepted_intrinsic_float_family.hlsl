// Windows: every float intrinsic of shader model 5 that pixel and vertex
// shaders share, each with its documented parameters.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-intrinsic-functions (each function's own page gives its parameters)
float Shade(float y)
{
    float3 v = float3(y, 1.0 - y, 0.5);
    float whole;
    float exponent;
    float s;
    float c;
    sincos(y, s, c);
    float a = abs(y) + acos(y) + asin(y) + atan(y) + atan2(y, 1.0) + ceil(y) + cos(y) + cosh(y);
    float b = degrees(y) + exp(y) + exp2(y) + floor(y) + fmod(y, 0.3) + frac(y) + frexp(y, exponent);
    float d = ldexp(y, 2.0) + lerp(0.0, 1.0, y) + log(y + 1.0) + log10(y + 1.0) + log2(y + 1.0);
    float e = max(y, 0.2) + min(y, 0.8) + modf(y, whole) + pow(y, 2.0) + radians(y) + rcp(y + 1.0);
    float f = round(y) + rsqrt(y + 1.0) + saturate(y) + sign(y) + sin(y) + sinh(y) + smoothstep(0.0, 1.0, y);
    float g = sqrt(y) + step(0.5, y) + tan(y) + tanh(y) + trunc(y) + mad(y, 2.0, 1.0) + clamp(y, 0.1, 0.9);
    float h = length(v) + distance(v, v.zyx) + dot(v, v) + cross(v, v.yzx).x + normalize(v).y;
    float i = reflect(v, v.zxy).x + refract(v, v.zxy, 0.5).y + faceforward(v, v, v.zyx).z;
    float j = lit(y, c, 2.0).y + dst(v.xyzz, v.zyxx).y + determinant(float2x2(v.xy, v.zx));
    float k = transpose(float2x3(v, v))[0].y + mul(v, float3x3(v, v, v)).x;
    bool l = all(v) && any(v) && isfinite(y) && !isinf(y) && !isnan(y);
    return (a + b + d + e + f + g + h + i + j + k + s + c + whole + exponent) * 0.01 + l;
}
#include "shade_stages.hlsli"
