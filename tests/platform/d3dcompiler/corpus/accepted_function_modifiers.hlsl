// Windows: functions may be declared inline and static, declared before
// they are defined, and give a semantic to their return value.
// verdict: accepted
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax ("[StorageClass] [clipplanes()] [precise] Return_Value Name ( [ArgumentList] ) [: Semantic]"; StorageClass inline or static)
float Later(float y);
inline float Twice(float y)
{
    return y + y;
}
static float Half(float y) : HALF
{
    return 0.5 * y;
}
float Shade(float y)
{
    return Later(y) + Half(Twice(y));
}
float Later(float y)
{
    return 0.25 * y;
}
#include "shade_stages.hlsli"
