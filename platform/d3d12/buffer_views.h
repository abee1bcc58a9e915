// Shader-resource and unordered-access views of buffers: Windows' rules for
// their descriptions, and the range or texel view a descriptor keeps.
#pragma once

#include "descriptor_record.h"

#include <debug_messages.h>

namespace d3d12_standin {

class D3D12Resource;
class DeviceCore;

// The fields D3D12_BUFFER_SRV and D3D12_BUFFER_UAV share, with the view's format.
struct BufferViewFields {
    DXGI_FORMAT format;
    UINT64 firstElement;
    UINT numElements;
    UINT structureByteStride;
    bool raw; // D3D12_BUFFER_SRV_FLAG_RAW or D3D12_BUFFER_UAV_FLAG_RAW
};

// What tells a shader-resource view's checks from an unordered-access view's.
struct BufferViewRules {
    const char* method; // "ID3D12Device::CreateShaderResourceView"
    const standin::MessageKind& rawFormat;
    const standin::MessageKind& rawOffset;
    const standin::MessageKind& range;
    const standin::MessageKind& format;
};

extern const BufferViewRules kShaderResourceBufferView;
extern const BufferViewRules kUnorderedAccessBufferView;

// The record a view description writes to, or null (with a message) when the
// handle is not inside a live heap of `type`.
DescriptorRecord* ViewTarget(DeviceCore& core, D3D12_CPU_DESCRIPTOR_HANDLE handle,
                             D3D12_DESCRIPTOR_HEAP_TYPE type, const char* method);

// CreateShaderResourceView of a buffer.
void WriteShaderResourceBufferView(DeviceCore& core, D3D12_CPU_DESCRIPTOR_HANDLE dest,
                                   const D3D12Resource& resource,
                                   const D3D12_SHADER_RESOURCE_VIEW_DESC* desc);

// Checks `fields` against `resource` (a buffer) and fills `record` with the
// range, or leaves it a null view with the layer's message.
void WriteBufferView(const BufferViewRules& rules, const D3D12Resource& resource,
                     const BufferViewFields& fields, DescriptorRecord* record);

} // namespace d3d12_standin
