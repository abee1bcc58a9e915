// Windows: a method returning its own structure may take arguments and call another method of
// the structure; the object it is called on keeps its members.
// verdict: accepted
// probe: 3 5 1 2
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-syntax (a function returns and takes any type); the structure methods of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
#include "probe_stages.hlsli"
struct Point
{
    float x;
    float y;
    float Scale()
    {
        return 2.0;
    }
    Point Moved(float dx, float dy)
    {
        Point moved;
        moved.x = x + dx * Scale();
        moved.y = y + dy * Scale();
        return moved;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Point start;
    start.x = position.x * 2.0;
    start.y = 2.0;
    Point end = start.Moved(1.0, 1.5);
    return float4(end.x, end.y, start.x, start.y);
}
