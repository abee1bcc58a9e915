// MinGW-w64's import libraries lack the Direct3D 12 interface IDs that the
// Windows SDK's dxguid.lib defines; the Windows build of the tests, which
// also asks for the debug layer's interfaces, gets them here.
#if defined(__MINGW32__)
#include <initguid.h>

#include <windows.h>

#include <d3d12.h>
#include <d3d12sdklayers.h>
#endif
