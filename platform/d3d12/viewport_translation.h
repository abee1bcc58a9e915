// A list's viewports and scissor rectangles as a pipeline's fixed number of
// Vulkan viewport slots.
#pragma once

#include <vulkan_context.h>

#include <windows.h>

#include <d3d12.h>

#include <array>
#include <vector>

namespace d3d12_standin {

// Every pipeline has this many viewports: 16 where the device has several,
// else 1.
uint32_t ViewportSlots(const vk_core::VulkanContext& context);

struct ViewportSlotsState {
    std::array<VkViewport, D3D12_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE> viewports{};
    std::array<VkRect2D, D3D12_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE> scissors{};
    bool anyVisible = false; // some set viewport keeps part of its scissor
};

// The first `slots` Vulkan viewports and scissors for `viewports` and
// `scissors` within `renderArea`. A slot past the viewports set, or without
// a scissor rectangle, gets an empty scissor: a primitive sent there by
// SV_ViewportArrayIndex draws nothing ("Any viewports not defined by the call
// are disabled", RSSetViewports on learn.microsoft.com).
ViewportSlotsState TranslateViewports(const std::vector<D3D12_VIEWPORT>& viewports,
                                      const std::vector<D3D12_RECT>& scissors,
                                      VkExtent2D renderArea, uint32_t slots);

} // namespace d3d12_standin
