#include "buffer_views.h"

#include "d3d12_resource.h"
#include "format_table.h"

namespace d3d12_standin {
namespace {

// Raw views address 4-byte words, and start on a 16-byte boundary.
constexpr uint32_t kRawElementBytes = 4;
constexpr uint32_t kRawOffsetAlignment = 16;

// The element size the description implies: 0 (with the layer's message)
// for a description Windows refuses.
uint32_t ElementBytes(const BufferViewRules& rules, const BufferViewFields& fields,
                      const void* object, const FormatInfo** format) {
    *format = nullptr;
    if (fields.raw) {
        if (fields.format != DXGI_FORMAT_R32_TYPELESS || fields.structureByteStride != 0) {
            standin::ReportWindows(rules.rawFormat, object, rules.method);
            return 0;
        }
        if (fields.firstElement * kRawElementBytes % kRawOffsetAlignment != 0) {
            standin::ReportWindows(rules.rawOffset, object, rules.method, kRawOffsetAlignment,
                                   (unsigned long long)fields.firstElement,
                                   kRawOffsetAlignment / kRawElementBytes);
            return 0;
        }
        return kRawElementBytes;
    }
    bool structured = fields.structureByteStride != 0;
    *format = FindFormat(fields.format);
    if (structured != (fields.format == DXGI_FORMAT_UNKNOWN) ||
        (!structured && (*format == nullptr || !HasUse(**format, kUseBuffer)))) {
        standin::ReportWindows(rules.format, object, rules.method, unsigned(fields.format),
                               fields.structureByteStride);
        return 0;
    }
    return structured ? fields.structureByteStride : (*format)->bytesPerBlock;
}

// Vulkan binds buffer ranges and texel views only from aligned offsets.
bool VulkanCanBind(const vk_core::VulkanContext& context, bool texel, uint64_t offset,
                   const char* method) {
    const VkPhysicalDeviceLimits& limits = context.properties.limits;
    uint64_t alignment =
        texel ? limits.minTexelBufferOffsetAlignment : limits.minStorageBufferOffsetAlignment;
    if (alignment != 0 && offset % alignment != 0) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, method,
                        "the view starts %llu bytes into its buffer; this device binds buffer "
                        "views only from multiples of %llu bytes; the view is null",
                        (unsigned long long)offset, (unsigned long long)alignment);
        return false;
    }
    return true;
}

} // namespace

const BufferViewRules kShaderResourceBufferView{
    "ID3D12Device::CreateShaderResourceView",
    standin::messages::CREATESHADERRESOURCEVIEW_RAWFORMAT,
    standin::messages::CREATESHADERRESOURCEVIEW_RAWOFFSET,
    standin::messages::CREATESHADERRESOURCEVIEW_BUFFERRANGE,
    standin::messages::CREATESHADERRESOURCEVIEW_BUFFERFORMAT,
};

const BufferViewRules kUnorderedAccessBufferView{
    "ID3D12Device::CreateUnorderedAccessView",
    standin::messages::CREATEUNORDEREDACCESSVIEW_RAWFORMAT,
    standin::messages::CREATEUNORDEREDACCESSVIEW_RAWOFFSET,
    standin::messages::CREATEUNORDEREDACCESSVIEW_BUFFERRANGE,
    standin::messages::CREATEUNORDEREDACCESSVIEW_BUFFERFORMAT,
};

void WriteBufferView(const BufferViewRules& rules, const D3D12Resource& resource,
                     const BufferViewFields& fields, DescriptorRecord* record) {
    const std::shared_ptr<GpuBuffer>& buffer = resource.Buffer();
    const void* object = resource.Track()->object;
    const FormatInfo* format = nullptr;
    uint32_t elementBytes = ElementBytes(rules, fields, object, &format);
    if (elementBytes == 0) {
        return;
    }
    uint64_t elements = fields.firstElement + uint64_t(fields.numElements);
    if (fields.numElements == 0 || fields.firstElement > buffer->size ||
        elements > buffer->size / elementBytes) {
        standin::ReportWindows(rules.range, object, rules.method,
                               (unsigned long long)fields.firstElement, fields.numElements,
                               elementBytes, (unsigned long long)buffer->size);
        return;
    }
    bool texel = format != nullptr && !fields.raw;
    uint64_t offset = fields.firstElement * elementBytes;
    if (!VulkanCanBind(*buffer->context, texel, offset, rules.method)) {
        return;
    }
    record->buffer = buffer;
    record->offset = offset;
    record->size = uint64_t(fields.numElements) * elementBytes;
    record->shape = texel ? dxbc::ResourceShape::TexelBuffer : dxbc::ResourceShape::StorageBuffer;
    record->texelFormat = texel ? format->vulkan : VK_FORMAT_UNDEFINED;
}

void WriteShaderResourceBufferView(DeviceCore& core, D3D12_CPU_DESCRIPTOR_HANDLE dest,
                                   const D3D12Resource& resource,
                                   const D3D12_SHADER_RESOURCE_VIEW_DESC* desc) {
    const char* method = kShaderResourceBufferView.method;
    DescriptorRecord* record =
        ViewTarget(core, dest, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, "CreateShaderResourceView");
    if (record == nullptr) {
        return;
    }
    *record = DescriptorRecord{};
    record->kind = DescriptorKind::ShaderResource;
    const void* object = resource.Track()->object;
    if (desc == nullptr) {
        standin::ReportWindows(standin::messages::CREATESHADERRESOURCEVIEW_NULLDESC, object,
                               method);
        return;
    }
    if (desc->ViewDimension != D3D12_SRV_DIMENSION_BUFFER) {
        standin::ReportWindows(standin::messages::CREATESHADERRESOURCEVIEW_INVALIDDESC, object,
                               method);
        return;
    }
    record->resource = resource.Track();
    record->format = desc->Format;
    const D3D12_BUFFER_SRV& view = desc->Buffer;
    WriteBufferView(kShaderResourceBufferView, resource,
                    {desc->Format, view.FirstElement, view.NumElements, view.StructureByteStride,
                     (view.Flags & D3D12_BUFFER_SRV_FLAG_RAW) != 0},
                    record);
}

} // namespace d3d12_standin
