// Windows: a file without the named entry point.
// verdict: compile-error PSMain X3501
// group: semantics
// error text: error X3501: 'PSMain': entrypoint not found
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings; the words as a DirectXHook issue quotes fxc ("X3501 main entry point not found") and fxc prints them ("'main': entrypoint not found")
#include "probe_stages.hlsli"
float4 PixelMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
