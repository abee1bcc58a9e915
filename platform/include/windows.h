// The part of <windows.h> that the system uses, for Linux builds.
// Base types (HRESULT, GUID, HANDLE, HWND, ...) come from the official
// DirectX-Headers adapter so that they agree with <d3d12.h>.
#pragma once

#include <winadapter.h>

// ---- kernel32: handles and events -------------------------------------------

#define INFINITE 0xFFFFFFFFu
#define WAIT_OBJECT_0 0x00000000u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu

#define EVENT_ALL_ACCESS 0x1F0003u
#define CREATE_EVENT_MANUAL_RESET 0x00000001u
#define CREATE_EVENT_INITIAL_SET 0x00000002u

typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

EXTERN_C HANDLE WINAPI CreateEventExA(LPSECURITY_ATTRIBUTES lpEventAttributes, LPCSTR lpName,
                                      DWORD dwFlags, DWORD dwDesiredAccess);
EXTERN_C BOOL WINAPI SetEvent(HANDLE hEvent);
EXTERN_C BOOL WINAPI ResetEvent(HANDLE hEvent);
EXTERN_C DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
EXTERN_C BOOL WINAPI CloseHandle(HANDLE hObject);
