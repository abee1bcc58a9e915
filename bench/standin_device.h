// Which Vulkan device the Direct3D 12 stand-in runs a queue on, so that the
// benchmarks can show they ran on the same device as the reference.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <string>

namespace bench {

// The Vulkan device name, or "unknown" for a queue that is not the stand-in's.
std::string StandinDeviceName(ID3D12CommandQueue* queue);

} // namespace bench
