// Windows: an array dimension past 65536.
// verdict: compile-error PSMain X3059
// group: types
// error text: array dimension must be between 1 and 65536
// source: fxc's "error X3059: array dimension must be between 1 and 65536", quoted in gpuweb/cts pull request 1107 (a large 4-D array) and DirectXShaderCompiler pull request 2461 (fxc's 1 to 65536 limit)
static float g_big[70000];
float Shade(float y)
{
    return y + g_big[1];
}
#include "shade_stages.hlsli"
