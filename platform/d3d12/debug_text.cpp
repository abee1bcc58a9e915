#include "debug_text.h"

#include "format_table.h"

#include <array>
#include <cinttypes>
#include <cstdio>

namespace d3d12_standin {
namespace {

struct StateName {
    D3D12_RESOURCE_STATES bit;
    const char* name;
};

constexpr StateName kStateNames[] = {
    {D3D12_RESOURCE_STATE_VERTEX_AND_CONSTANT_BUFFER, "VERTEX_AND_CONSTANT_BUFFER"},
    {D3D12_RESOURCE_STATE_INDEX_BUFFER, "INDEX_BUFFER"},
    {D3D12_RESOURCE_STATE_RENDER_TARGET, "RENDER_TARGET"},
    {D3D12_RESOURCE_STATE_UNORDERED_ACCESS, "UNORDERED_ACCESS"},
    {D3D12_RESOURCE_STATE_DEPTH_WRITE, "DEPTH_WRITE"},
    {D3D12_RESOURCE_STATE_DEPTH_READ, "DEPTH_READ"},
    {D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE, "NON_PIXEL_SHADER_RESOURCE"},
    {D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, "PIXEL_SHADER_RESOURCE"},
    {D3D12_RESOURCE_STATE_STREAM_OUT, "STREAM_OUT"},
    {D3D12_RESOURCE_STATE_INDIRECT_ARGUMENT, "INDIRECT_ARGUMENT"},
    {D3D12_RESOURCE_STATE_COPY_DEST, "COPY_DEST"},
    {D3D12_RESOURCE_STATE_COPY_SOURCE, "COPY_SOURCE"},
    {D3D12_RESOURCE_STATE_RESOLVE_DEST, "RESOLVE_DEST"},
    {D3D12_RESOURCE_STATE_RESOLVE_SOURCE, "RESOLVE_SOURCE"},
};

#define TOPOLOGY_NAME(name_)                                                                       \
    { D3D_PRIMITIVE_TOPOLOGY_##name_, "D3D_PRIMITIVE_TOPOLOGY_" #name_ }
constexpr struct {
    D3D12_PRIMITIVE_TOPOLOGY topology;
    const char* name;
} kTopologyNames[] = {
    TOPOLOGY_NAME(UNDEFINED),         TOPOLOGY_NAME(POINTLIST),     TOPOLOGY_NAME(LINELIST),
    TOPOLOGY_NAME(LINESTRIP),         TOPOLOGY_NAME(TRIANGLELIST),  TOPOLOGY_NAME(TRIANGLESTRIP),
    TOPOLOGY_NAME(LINELIST_ADJ),      TOPOLOGY_NAME(LINESTRIP_ADJ), TOPOLOGY_NAME(TRIANGLELIST_ADJ),
    TOPOLOGY_NAME(TRIANGLESTRIP_ADJ),
};
#undef TOPOLOGY_NAME

constexpr const char* kTopologyTypeNames[] = {
    "D3D12_PRIMITIVE_TOPOLOGY_TYPE_UNDEFINED", "D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT",
    "D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE", "D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE",
    "D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH"};

} // namespace

const char* TopologyName(D3D12_PRIMITIVE_TOPOLOGY topology) {
    for (const auto& entry : kTopologyNames) {
        if (entry.topology == topology) {
            return entry.name;
        }
    }
    static const std::array<std::string, 32> kPatchLists = [] {
        std::array<std::string, 32> names;
        for (size_t i = 0; i < names.size(); ++i) {
            names[i] =
                "D3D_PRIMITIVE_TOPOLOGY_" + std::to_string(i + 1) + "_CONTROL_POINT_PATCHLIST";
        }
        return names;
    }();
    const int index = int(topology) - int(D3D_PRIMITIVE_TOPOLOGY_1_CONTROL_POINT_PATCHLIST);
    return index >= 0 && index < 32 ? kPatchLists[size_t(index)].c_str()
                                    : "D3D_PRIMITIVE_TOPOLOGY_UNDEFINED";
}

const char* TopologyTypeName(D3D12_PRIMITIVE_TOPOLOGY_TYPE type) {
    unsigned index = unsigned(type);
    return index < sizeof kTopologyTypeNames / sizeof *kTopologyTypeNames
               ? kTopologyTypeNames[index]
               : "D3D12_PRIMITIVE_TOPOLOGY_TYPE_UNDEFINED";
}

std::string StateText(D3D12_RESOURCE_STATES states) {
    char number[24];
    std::snprintf(number, sizeof number, "0x%X: ", unsigned(states));
    std::string text = number;
    if (states == D3D12_RESOURCE_STATE_COMMON) {
        return text + "D3D12_RESOURCE_STATE_[COMMON|PRESENT]";
    }
    if (states == D3D12_RESOURCE_STATE_GENERIC_READ) {
        return text + "D3D12_RESOURCE_STATE_GENERIC_READ";
    }
    bool first = true;
    for (const StateName& state : kStateNames) {
        if ((states & state.bit) != 0) {
            text += first ? "D3D12_RESOURCE_STATE_" : "|D3D12_RESOURCE_STATE_";
            text += state.name;
            first = false;
        }
    }
    return text;
}

std::string ObjectText(const void* object, const std::string& name, const char* interfaceName) {
    char address[32];
    std::snprintf(address, sizeof address, "0x%016" PRIXPTR, reinterpret_cast<uintptr_t>(object));
    return std::string(address) + ":'" +
           (name.empty() ? std::string("Unnamed ") + interfaceName + " Object" : name) + "'";
}

std::string ResourceText(const ResourceTrack& resource) {
    return ObjectText(resource.object, resource.name, "ID3D12Resource");
}

const char* FormatName(DXGI_FORMAT format) {
    if (format == DXGI_FORMAT_UNKNOWN) {
        return "UNKNOWN";
    }
    const FormatInfo* info = FindFormat(format);
    return info != nullptr ? info->name : "(a format the stand-in does not know)";
}

} // namespace d3d12_standin
