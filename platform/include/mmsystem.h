// The multimedia system header; the system uses only its timer.
#pragma once

#include <windows.h>

#include <timeapi.h>
