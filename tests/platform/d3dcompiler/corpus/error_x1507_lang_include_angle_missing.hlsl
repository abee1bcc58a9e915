// Windows: an include in angle brackets that no folder holds.
// verdict: compile-error PSMain X1507
// group: preprocessor
// error text: failed to open source file: 'no_such_system_header.hlsli'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_FILE_OPEN 1507: the specified source file failed to open); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include (#include <filename>)
#include <no_such_system_header.hlsli>
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
