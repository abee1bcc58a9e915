// Windows: double division by zero gives INF of the quotient's sign and 0 / 0
// NaN; double comparisons with NaN are false but for !=, and +0 equals -0.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 12 : 0 0 0 0x80000000 0 0x7FF80000 0 0x3FF00000
// expect u0: 0 0 0 0x80000000 0 0x7FF80000 0 0x3FF00000 1 1 1 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/ddiv--sm5---asm- (its table: a finite value over +0 or -0 gives INF of the quotient's sign, 0 / 0 NaN), deq--sm5---asm-, dne--sm5---asm-, dlt--sm5---asm- and dge--sm5---asm- (NaN compares false but for dne), and windows/win32/direct3d11/floating-point-rules (64-bit rules follow the 32-bit ones: "Comparisons ignore the sign of 0")
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    double zero = asdouble(words[0], words[1]);
    double minusZero = asdouble(words[2], words[3]);
    double nan = asdouble(words[4], words[5]);
    double one = asdouble(words[6], words[7]);
    double quotient = one / minusZero;
    words[8] = quotient < -1.0e300L && isinf((float)quotient);
    words[9] = (zero / zero) != (zero / zero) && nan != one;
    words[10] = zero == minusZero && !(nan == nan) && !(nan < one) && !(nan >= one);
    words[11] = (one / zero) < 1.0e300L;
}
