// The Windows SDK's dxguid.lib defines the Direct3D 12 interface IDs;
// MinGW-w64's import libraries do not, so that toolchain gets them from here.
#if defined(__MINGW32__)
#include <initguid.h>

#include <windows.h>

#include <d3d12.h>
#endif
