// Windows: `static const` globals, constant-buffer members and const
// parameters are no initialised uniforms: no X3207, so the compile passes
// with warnings made errors.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static globals are not visible to the application); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3207 concerns a global 'const' with an initialiser); learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_WARNINGS_ARE_ERRORS)
static const float offsets[2] = {0.25, 0.5};
static const float scale = 0.5;
float Halve(const float value)
{
    const float half_ = 0.5;
    return value * half_;
}
float Shade(float y)
{
    return Halve(y) * 0.0 + offsets[1] * scale * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
