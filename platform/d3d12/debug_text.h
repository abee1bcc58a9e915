// How the validation layer names things in its messages, in the debug layer's
// words: states, objects and formats.
#pragma once

#include "debug_resource.h"

#include <string>

namespace d3d12_standin {

// "0x4: D3D12_RESOURCE_STATE_RENDER_TARGET", "0x0: D3D12_RESOURCE_STATE_[COMMON|PRESENT]".
std::string StateText(D3D12_RESOURCE_STATES states);
// "0x00005581F3A2C0A0:'Unnamed ID3D12Resource Object'" (`name` when not empty).
std::string ObjectText(const void* object, const std::string& name, const char* interfaceName);
std::string ResourceText(const ResourceTrack& resource);
// "R8G8B8A8_UNORM", "UNKNOWN".
const char* FormatName(DXGI_FORMAT format);
// "D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST", "D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE".
const char* TopologyName(D3D12_PRIMITIVE_TOPOLOGY topology);
const char* TopologyTypeName(D3D12_PRIMITIVE_TOPOLOGY_TYPE type);

} // namespace d3d12_standin
