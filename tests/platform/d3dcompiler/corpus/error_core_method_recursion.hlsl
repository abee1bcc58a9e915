// Windows: a method that calls itself recurses, which no shader may.
// verdict: compile-error PSMain X3500
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax ("Recursion is not allowed") and hlsl-errors-and-warnings (X3500: recursive functions are not allowed)
struct Node
{
    float value;
    float Depth(float n)
    {
        return n <= 0.0 ? value : Depth(n - 1.0);
    }
};
float Shade(float y)
{
    Node node;
    node.value = y;
    return node.Depth(2.0);
}
#include "shade_stages.hlsli"
