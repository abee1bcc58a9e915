// Windows: a local declared inside a block is gone after the block.
// verdict: compile-error PSMain X3004
// group: declarations
// error text: undeclared identifier 'inside'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (a local's scope is its block); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier)
float Shade(float y)
{
    if (y > 0.0)
    {
        float inside = y * 2.0;
    }
    return inside;
}
#include "shade_stages.hlsli"
