// SOSetTargets: the buffers stream output writes, and where each keeps the
// number of bytes written.
#include "d3d12_command_list.h"
#include "d3d12_device.h"

namespace d3d12_standin {
namespace {

constexpr char kMethod[] = "SOSetTargets";

} // namespace

bool D3D12GraphicsCommandList::ReadStreamOutputView(const D3D12_STREAM_OUTPUT_BUFFER_VIEW& view,
                                                    StreamOutputTarget* target) {
    if (view.BufferLocation == 0) {
        return true; // a null view unbinds its slot
    }
    // Vulkan places buffers and counters on 4 bytes, as Direct3D's views of
    // 32-bit components are.
    if (view.BufferLocation % 4 != 0 || view.BufferFilledSizeLocation % 4 != 0) {
        Fail(kMethod, "a view's BufferLocation or BufferFilledSizeLocation is not a multiple of 4");
        return false;
    }
    target->buffer = Device()->Core().ResolveAddress(view.BufferLocation, &target->offset);
    if (target->buffer == nullptr) {
        Fail(kMethod, "a view's BufferLocation lies in no live buffer");
        return false;
    }
    const uint64_t available = target->buffer->size - target->offset;
    target->size = view.SizeInBytes < available ? view.SizeInBytes : available;
    if (view.BufferFilledSizeLocation == 0) {
        return true;
    }
    target->filled =
        Device()->Core().ResolveAddress(view.BufferFilledSizeLocation, &target->filledOffset);
    if (target->filled == nullptr || target->filled->size - target->filledOffset < 8) {
        Fail(kMethod, "a view's BufferFilledSizeLocation has no 8 bytes in a live buffer");
        return false;
    }
    return true;
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SOSetTargets(
    UINT startSlot, UINT count, const D3D12_STREAM_OUTPUT_BUFFER_VIEW* views) {
    if (!Recording()) {
        return;
    }
    if (uint64_t(startSlot) + count > D3D12_SO_BUFFER_SLOT_COUNT) {
        Fail(kMethod, "slots beyond 3");
        return;
    }
    CmdSetStreamOutput command{startSlot, InlineVector<StreamOutputTarget, 1>(count)};
    for (UINT i = 0; views != nullptr && i < count; ++i) {
        if (!ReadStreamOutputView(views[i], &command.targets[i])) {
            return;
        }
    }
    commands_.push_back(std::move(command));
}

} // namespace d3d12_standin
