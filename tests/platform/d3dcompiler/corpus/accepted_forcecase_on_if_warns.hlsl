// Windows: [forcecase] belongs to switch; on an if it is ignored with
// warning X3554.
// verdict: accepted
// warning: X3554 unknown attribute forcecase, or attribute invalid for this statement
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-if (branch and flatten only) and dx-graphics-hlsl-switch (forcecase); fxc's "warning X3554: unknown attribute loop, or attribute invalid for this statement", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
float Shade(float y)
{
    float s = 0.5;
    [forcecase] if (y > 0.0)
        s = 0.25;
    return s * y;
}
#include "shade_stages.hlsli"
