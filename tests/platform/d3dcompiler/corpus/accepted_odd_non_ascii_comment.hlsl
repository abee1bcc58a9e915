// Windows: bytes outside ASCII inside comments are skipped with the comment.
// verdict: accepted
// group: syntax
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (comments are skipped whole)
// Größe, éclairage, 明るさ
float Shade(float y) /* “brightness” — ≈ 1 */
{
    return y;
}
#include "shade_stages.hlsli"
