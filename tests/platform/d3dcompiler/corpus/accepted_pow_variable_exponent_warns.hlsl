// Windows: pow(f, e) with an exponent that is no whole-number literal is
// computed as exp2(e * log2(f)), and the compiler warns (X3571); pow(f, 2.0)
// and pow(abs(f), e) draw no warning.
// verdict: accepted
// warning: X3571 pow(f, e) will not work for negative f, use abs(f) or conditionally handle negative values if you expect them
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-pow; fxc's "warning X3571: pow(f, e) will not work for negative f, use abs(f) or conditionally handle negative values if you expect them", quoted in a floooh/sokol issue on warnings from D3DCompile and in Halide's CodeGen_D3D12Compute_Dev.cpp
float Shade(float y)
{
    float e = 1.0 + 0.0 * y;
    return pow(0.25 + 0.0 * y, e) + pow(0.5 + 0.0 * y, 2.0) + pow(abs(0.25 + 0.0 * y), e);
}
#include "shade_stages.hlsli"
