// Windows: precise on a function's return value and on locals; shared and
// volatile among a variable's storage classes.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax ("[precise] Return_Value Name") and dx-graphics-hlsl-variable-syntax (storage classes shared, volatile; precise)
shared float sharedBias;
precise float Weighted(float y)
{
    volatile float scale = 0.5;
    precise float product = y * scale;
    return product;
}
float Shade(float y)
{
    return 0.5 + Weighted(y);
}
#include "shade_stages.hlsli"
