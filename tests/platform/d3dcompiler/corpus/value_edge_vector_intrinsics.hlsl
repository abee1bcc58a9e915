// Windows: faceforward is -n * sign(dot(i, ng)), so a dot product of 0 gives
// a zero vector; refract past the critical angle gives a zero vector;
// normalize of a zero vector is NaN; frexp of 0 gives 0 and 0, of a negative
// value a negative mantissa; ldexp(x, e) is x * 2^e, which overflows to INF
// and, at 2^-127, is flushed to 0; clamp of INF and -INF gives the bounds.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 17 : 0.0 1.0 4.0 0 0x7F800000
// expect u0: 0.0 1.0 4.0 0 0x7F800000 0.0 0.0 0.0 0.0 1 0.0 0.0 -0.5 4.0 0x7F800000 0 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-faceforward ("-n * sign(dot(i, ng))"), dx-graphics-hlsl-refract ("If the angle between the entering ray i and the surface normal n is too great for a given refraction index ?, the return value is (0,0,0)"), dx-graphics-hlsl-normalize (x / length(x)), dx-graphics-hlsl-frexp ("If the x parameter is 0, this function returns 0 for both the mantissa and the exponent"), dx-graphics-hlsl-ldexp (x times 2 to the power exp), windows/win32/direct3d11/floating-point-rules (denorms flushed on output of arithmetic) and dx-graphics-hlsl-clamp ("For values of -INF or INF, clamp will behave as expected")
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float zero = asfloat(words[0]);
    float one = asfloat(words[1]);
    float four = asfloat(words[2]);
    float inf = asfloat(words[4]);
    float2 facing = faceforward(float2(zero, one), float2(one, zero), float2(zero, one));
    words[5] = asuint(facing.x);
    words[6] = asuint(abs(facing.y));
    float3 bent = refract(normalize(float3(one, -one, zero)), float3(zero, one, zero), four);
    words[7] = asuint(abs(bent.x) + abs(bent.y));
    words[8] = asuint(abs(bent.z));
    words[9] = isnan(normalize(float3(zero, zero, zero)).x);
    float exponent;
    words[10] = asuint(frexp(zero, exponent));
    words[11] = asuint(exponent);
    words[12] = asuint(frexp(-four * 2.0, exponent));
    words[13] = asuint(exponent);
    words[14] = asuint(ldexp(one, four * 32.0));
    words[15] = asuint(ldexp(one, 1.0 - four * 32.0));
    words[16] = clamp(inf, zero, one) == one && clamp(-inf, zero, one) == zero;
}
