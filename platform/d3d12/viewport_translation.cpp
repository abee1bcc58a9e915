#include "viewport_translation.h"

#include "draw_checks.h"

#include <algorithm>

namespace d3d12_standin {

uint32_t ViewportSlots(const vk_core::VulkanContext& context) {
    const uint32_t wanted = D3D12_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    if (!context.features.multiViewport || context.properties.limits.maxViewports < wanted) {
        return 1;
    }
    return wanted;
}

namespace {

// Direct3D's y axis points down the screen: flip with a negative height.
VkViewport Flipped(const D3D12_VIEWPORT& source) {
    return VkViewport{source.TopLeftX, source.TopLeftY + source.Height,
                      source.Width,    -source.Height,
                      source.MinDepth, source.MaxDepth};
}

// The scissor rectangle within the render area; empty when nothing of the
// area is left. Direct3D 12 always tests the scissor.
VkRect2D Clipped(const D3D12_RECT& source, VkExtent2D area) {
    LONG left = std::max<LONG>(source.left, 0);
    LONG top = std::max<LONG>(source.top, 0);
    LONG right = std::min<LONG>(source.right, LONG(area.width));
    LONG bottom = std::min<LONG>(source.bottom, LONG(area.height));
    if (right <= left || bottom <= top) {
        return VkRect2D{};
    }
    return VkRect2D{{int32_t(left), int32_t(top)},
                    {uint32_t(right - left), uint32_t(bottom - top)}};
}

} // namespace

ViewportSlotsState TranslateViewports(const std::vector<D3D12_VIEWPORT>& viewports,
                                      const std::vector<D3D12_RECT>& scissors,
                                      VkExtent2D renderArea, uint32_t slots) {
    ViewportSlotsState state;
    for (uint32_t i = 0; i < slots && i < state.viewports.size(); ++i) {
        // An unset slot still needs a valid viewport; its empty scissor hides it.
        bool set = i < viewports.size() && viewports[i].Width > 0.0f && viewports[i].Height != 0.0f;
        state.viewports[i] = Flipped(set ? viewports[i] : viewports[0]);
        if (set && !ScissorIsEmpty(scissors, i)) {
            state.scissors[i] = Clipped(scissors[i], renderArea);
        }
        state.anyVisible = state.anyVisible || state.scissors[i].extent.width > 0;
    }
    return state;
}

} // namespace d3d12_standin
