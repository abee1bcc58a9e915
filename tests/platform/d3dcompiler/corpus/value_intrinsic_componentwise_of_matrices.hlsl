// Windows: the component-wise intrinsics take matrices, applying to each
// component: abs, saturate, clamp, lerp (with a scalar weight), floor, sqrt,
// pow, min, frac, step and smoothstep.
// verdict: accepted
// probe: 12 3.5 13 1.25
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-abs, -saturate, -clamp, -lerp, -floor, -sqrt, -pow, -min, -frac, -step, -smoothstep (each lists "matrix" among the types of its parameters, the result of the same size)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(-1.5, 4, 9, 0.25) * one;
    float2x2 a = abs(m);                        // 1.5 4 9 0.25
    float2x2 s = saturate(m);                   // 0 1 1 0.25
    float2x2 c = clamp(m, -1, 2);               // -1 2 2 0.25
    float2x2 l = lerp(m, a, 0.5);               // 0 4 9 0.25
    float2x2 f = floor(m);                      // -2 4 9 0
    float2x2 r = sqrt(a);                       // 1.2247 2 3 0.5
    float2x2 p = pow(a, 2);                     // 2.25 16 81 0.0625
    float2x2 n = min(m, float2x2(0, 0, 0, 0));  // -1.5 0 0 0
    float2x2 q = frac(m);                       // 0.5 0 0 0.25
    float2x2 t = step(0, m);                    // 0 1 1 1
    float2x2 e = smoothstep(0, 1, s);           // 0 1 1 0.15625
    float x = a._12 + s._12 + c._12 + l._12 + f._12 - r._12 + n._12 - 1; // 12
    float y = q._11 + t._21 + e._21 + c._11 + 2;                         // 3.5
    float z = r._21 + p._22 * 16 + f._11 + l._21 + t._11 + 2;            // 13
    return float4(x, y, z, p._11 - n._11 * 0 - 1 + e._22 * 0);
}
