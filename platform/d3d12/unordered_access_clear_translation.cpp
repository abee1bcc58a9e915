// ClearUnorderedAccessView*: the element copied over the view's bytes or
// texels from host memory, which takes any format and any rectangles alike.
#include "command_translator.h"

#include "state_translation.h"

#include <vulkan_check.h>

#include <algorithm>
#include <cstring>

namespace d3d12_standin {

void CommandTranslator::operator()(const CmdClearUnorderedAccess& command) {
    if (command.element.size == 0) {
        SkipCommand("a Float clear of an unordered access view of this format is not supported");
        return;
    }
    if (command.image != nullptr) {
        BeginCopy(command.image, nullptr);
        ClearImageView(command);
    } else if (command.buffer != nullptr) {
        BeginCopy(command.buffer, nullptr);
        ClearBufferView(command);
    }
}

std::shared_ptr<GpuBuffer> CommandTranslator::FilledBuffer(const ClearElement& element,
                                                           uint64_t count) {
    const VkMemoryPropertyFlags host =
        VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT;
    std::shared_ptr<GpuBuffer> buffer = MakeOwnBuffer(core_.context, count * element.size,
                                                      VK_BUFFER_USAGE_TRANSFER_SRC_BIT, host, 0);
    if (buffer == nullptr || !VK_CHECK(vkMapMemory(core_.context->device, buffer->memory, 0,
                                                   VK_WHOLE_SIZE, 0, &buffer->mapped))) {
        return nullptr;
    }
    uint8_t* bytes = static_cast<uint8_t*>(buffer->mapped);
    for (uint64_t i = 0; i < count; ++i) {
        std::memcpy(bytes + i * element.size, element.bytes.data(), element.size);
    }
    KeepUntilFinished(buffer);
    return buffer;
}

// Unlike the copy it is carried out as, the clear orders itself with nothing
// on Windows; here it waits for all earlier work and all later work waits for it.
void CommandTranslator::OrderAroundClear(bool before) {
    const StateUse any{VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT,
                       VK_ACCESS_2_MEMORY_READ_BIT | VK_ACCESS_2_MEMORY_WRITE_BIT};
    const StateUse copy{VK_PIPELINE_STAGE_2_COPY_BIT, VK_ACCESS_2_TRANSFER_WRITE_BIT};
    barriers_.AddMemory(before ? any : copy, before ? copy : any);
    RecordBarriers();
}

void CommandTranslator::ClearBufferView(const CmdClearUnorderedAccess& command) {
    if (!command.rects.empty()) {
        SkipCommand("rectangles in a clear of a buffer view are not supported");
        return;
    }
    const uint64_t count = command.size / command.element.size;
    std::shared_ptr<GpuBuffer> filled = count > 0 ? FilledBuffer(command.element, count) : nullptr;
    if (filled == nullptr) {
        return;
    }
    OrderAroundClear(true);
    VkBufferCopy region{0, command.offset, count * command.element.size};
    vkCmdCopyBuffer(commands_, filled->buffer, command.buffer->buffer, 1, &region);
    OrderAroundClear(false);
    buffersWritten_.clear();
}

void CommandTranslator::ClearImageView(const CmdClearUnorderedAccess& command) {
    GpuImage& image = *command.image;
    const ImageViewKey& view = command.view;
    const SubresourceRange range{view.baseMip, 1, view.baseLayer, view.layerCount};
    const VkImageLayout layout =
        TransitionForUse(image, range, D3D12_RESOURCE_STATE_UNORDERED_ACCESS);
    const VkExtent2D mip = MipExtent(image, view.baseMip);
    // A view of a 3-D texture covers every depth slice of its mip.
    uint32_t slice = view.depthSlice, slices = view.depthSliceCount;
    if (view.type == VK_IMAGE_VIEW_TYPE_3D) {
        slice = 0;
        slices = std::max(image.depth >> view.baseMip, 1u);
    }
    std::vector<D3D12_RECT> rects = command.rects;
    if (rects.empty()) {
        rects.push_back({0, 0, LONG(mip.width), LONG(mip.height)});
    }
    std::vector<VkBufferImageCopy> regions;
    uint64_t largest = 0;
    for (const D3D12_RECT& rect : rects) {
        const LONG left = std::max<LONG>(rect.left, 0), top = std::max<LONG>(rect.top, 0);
        const LONG right = std::min<LONG>(rect.right, LONG(mip.width));
        const LONG bottom = std::min<LONG>(rect.bottom, LONG(mip.height));
        if (right <= left || bottom <= top) {
            continue;
        }
        VkBufferImageCopy& region = regions.emplace_back();
        region.imageSubresource = {image.aspect, view.baseMip, view.baseLayer, view.layerCount};
        region.imageOffset = {int32_t(left), int32_t(top), int32_t(slice)};
        region.imageExtent = {uint32_t(right - left), uint32_t(bottom - top), slices};
        largest = std::max<uint64_t>(largest, uint64_t(right - left) * uint64_t(bottom - top) *
                                                  slices * view.layerCount);
    }
    std::shared_ptr<GpuBuffer> filled =
        largest > 0 ? FilledBuffer(command.element, largest) : nullptr;
    if (filled == nullptr) {
        return;
    }
    OrderAroundClear(true);
    vkCmdCopyBufferToImage(commands_, filled->buffer, image.image, layout, uint32_t(regions.size()),
                           regions.data());
    OrderAroundClear(false);
}

} // namespace d3d12_standin
