// Windows: saturate and clamp of doubles compute in double precision, as the
// _sat modifier and dmin and dmax do: 1/3 comes back as the double it is,
// NaN saturates to 0, and vectors clamp per component.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 8 : 3.0 0 0x7FF80000
// expect u0: 3.0 0 0x7FF80000 1 1 1 1 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/saturate (the _sat modifier "Clamps the result of a single or double precision floating point arithmetic operation to [0.0f...1.0f] range": "min(1.0f, max(0.0f, value)) where min() and max() in the above expression behave in the way min, max, dmin, or dmax operate"; "_sat(NaN) returns 0"), dmin--sm5---asm- and dmax--sm5---asm-, and dx-graphics-hlsl-clamp (clamp to a minimum and a maximum)
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    double three = (double)asfloat(words[0]);
    double third = 1.0L / three;
    double nan = asdouble(words[1], words[2]);
    words[3] = saturate(third) == third && clamp(third, 0.0L, 1.0L) == third;
    words[4] = saturate(nan) == 0.0L;
    double2 pair = saturate(double2(-three, third));
    words[5] = pair.x == 0.0L && pair.y == third;
    words[6] = clamp(three, 0.5L, 1.0L) == 1.0L && clamp(-three, -1.0L, 1.0L) == -1.0L;
    double3 bounded = clamp(double3(three, third, -three), double3(0, 0, 0), double3(1, 1, 1));
    words[7] = bounded.x == 1.0L && bounded.y == third && bounded.z == 0.0L;
}
