// The stand-in's Direct3D 12 tests run on the shared device fixture.
#pragma once

#include <device_fixture.h>

using GpuTest = DeviceFixture;
