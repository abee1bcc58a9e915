// ClearUnorderedAccessViewUint and ClearUnorderedAccessViewFloat: the debug
// layer's checks, then a clear command with the element the view's format
// holds afterwards.
#include "d3d12_command_list.h"

#include "d3d12_device.h"
#include "d3d12_resource.h"
#include "debug_text.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

// Raw views clear 32-bit words; structured ones take only the Uint clear.
DXGI_FORMAT ElementFormat(const DescriptorRecord& record, bool floats) {
    if (record.image.expired() && record.shape == dxbc::ResourceShape::StorageBuffer) {
        return floats ? DXGI_FORMAT_R32_FLOAT : DXGI_FORMAT_R32_UINT;
    }
    return record.format;
}

} // namespace

const DescriptorRecord*
D3D12GraphicsCommandList::ReadClearedView(D3D12_GPU_DESCRIPTOR_HANDLE gpuView,
                                          D3D12_CPU_DESCRIPTOR_HANDLE cpuView, const char* method) {
    using namespace standin::messages;
    uint32_t index = 0;
    std::shared_ptr<DescriptorStorage> visible =
        Device()->Core().ResolveGpuHandle(gpuView.ptr, &index);
    if (visible == nullptr || visible->type != D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV ||
        visible->records[index].kind != DescriptorKind::UnorderedAccess) {
        standin::ReportWindows(CLEAR_UNORDERED_ACCESS_VIEW_INVALID_DESCRIPTOR_HANDLE, Self(),
                               method, "GPU", (unsigned long long)gpuView.ptr, "shader-visible",
                               "");
        return nullptr;
    }
    const DescriptorRecord* record =
        Device()->Core().ResolveCpuHandle(cpuView.ptr, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
    // The CPU handle must not lie in a shader-visible heap (the methods'
    // pages); the one heap that can be told apart here is the GPU handle's.
    const DescriptorRecord* first = visible->records.data();
    const bool inVisibleHeap = record >= first && record < first + visible->records.size();
    if (record == nullptr || record->kind != DescriptorKind::UnorderedAccess || inVisibleHeap) {
        standin::ReportWindows(CLEAR_UNORDERED_ACCESS_VIEW_INVALID_DESCRIPTOR_HANDLE, Self(),
                               method, "CPU", (unsigned long long)cpuView.ptr, "non-shader-visible",
                               inVisibleHeap ? ", not the shader-visible heap" : "");
        return nullptr;
    }
    return record;
}

void D3D12GraphicsCommandList::ClearUnorderedAccess(D3D12_GPU_DESCRIPTOR_HANDLE gpuView,
                                                    D3D12_CPU_DESCRIPTOR_HANDLE cpuView,
                                                    ID3D12Resource* resource, const UINT* uints,
                                                    const FLOAT* floats, UINT rectCount,
                                                    const D3D12_RECT* rects) {
    using namespace standin::messages;
    const char* method = floats != nullptr ? "ID3D12CommandList::ClearUnorderedAccessViewFloat"
                                           : "ID3D12CommandList::ClearUnorderedAccessViewUint";
    if (!Recording()) {
        return;
    }
    if ((uints == nullptr && floats == nullptr) || (rectCount > 0 && rects == nullptr)) {
        Fail(method, "no values, or rectangles counted but not given");
        return;
    }
    const DescriptorRecord* record = ReadClearedView(gpuView, cpuView, method);
    if (record == nullptr) {
        MarkFailed();
        return;
    }
    D3D12Resource* cleared = D3D12Resource::FromInterface(resource);
    std::shared_ptr<ResourceTrack> viewed = record->resource.lock();
    if (cleared == nullptr || viewed != cleared->Track()) {
        standin::ReportWindows(CLEARUNORDEREDACCESSVIEW_INVALID_RESOURCE_PTR, Self(), method,
                               cleared != nullptr ? ResourceText(*cleared->Track()).c_str()
                                                  : "null",
                               viewed != nullptr ? ResourceText(*viewed).c_str() : "null");
        MarkFailed();
        return;
    }
    const bool structured = record->image.expired() &&
                            record->shape == dxbc::ResourceShape::StorageBuffer &&
                            record->format == DXGI_FORMAT_UNKNOWN;
    if (structured && floats != nullptr) {
        standin::ReportWindows(CLEARUNORDEREDACCESSVIEW_INCOMPATIBLE_WITH_STRUCTURED_BUFFERS,
                               Self(), method);
        MarkFailed();
        return;
    }
    const DXGI_FORMAT format = ElementFormat(*record, floats != nullptr);
    CmdClearUnorderedAccess clear;
    clear.image = record->image.lock();
    clear.view = record->view;
    clear.buffer = clear.image == nullptr ? record->buffer.lock() : nullptr;
    clear.offset = record->offset;
    clear.size = record->size;
    clear.element =
        floats != nullptr ? FloatClearElement(format, floats) : UintClearElement(format, uints);
    clear.rects.assign(rects, rects + rectCount);
    clear.use = {viewed,
                 clear.image != nullptr
                     ? viewed->Subresource(record->view.baseMip, record->view.baseLayer, 0)
                     : 0,
                 record->format, clear.image != nullptr ? record->view.layerCount : 1};
    commands_.push_back(std::move(clear));
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ClearUnorderedAccessViewUint(
    D3D12_GPU_DESCRIPTOR_HANDLE gpuView, D3D12_CPU_DESCRIPTOR_HANDLE cpuView,
    ID3D12Resource* resource, const UINT values[4], UINT rectCount, const D3D12_RECT* rects) {
    ClearUnorderedAccess(gpuView, cpuView, resource, values, nullptr, rectCount, rects);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ClearUnorderedAccessViewFloat(
    D3D12_GPU_DESCRIPTOR_HANDLE gpuView, D3D12_CPU_DESCRIPTOR_HANDLE cpuView,
    ID3D12Resource* resource, const FLOAT values[4], UINT rectCount, const D3D12_RECT* rects) {
    ClearUnorderedAccess(gpuView, cpuView, resource, nullptr, values, rectCount, rects);
}

} // namespace d3d12_standin
