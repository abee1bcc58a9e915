// Test hooks of the Direct3D 12 stand-in: refuse the next creations, count
// executed work and fence waits, count live COM objects and validation messages.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <cstdint>

namespace platform_testing {

// A refused creation fails with E_OUTOFMEMORY and a null output; a refused
// Map returns E_OUTOFMEMORY and leaves the pointer untouched.
void RefuseNextDeviceCreations(int n);
void RefuseNextCommittedResources(int n);
void RefuseNextDescriptorHeaps(int n);
void RefuseNextMaps(int n);
void RefuseNextRootSignatures(int n);
void RefuseNextPipelineStates(int n);
void ClearRefusals();

// Command lists executed on `queue` so far (0 for anything but a stand-in queue).
uint64_t ExecutedCommandLists(ID3D12CommandQueue* queue);
uint64_t TotalExecutedCommandLists();
// DrawInstanced calls executed.
uint64_t ExecutedDraws();
// SetEventOnCompletion calls whose value had not been reached yet.
uint64_t BlockingFenceWaits();
// vkCmdPipelineBarrier2 calls and render pass instances in executed lists,
// whether translated or run again from a kept translation.
uint64_t TranslatedBarriers();
uint64_t TranslatedRenderPasses();
// Executions that submitted a list's kept Vulkan command buffer again
// instead of translating the list.
uint64_t ReusedTranslations();
// How long a submission may run before its device is removed as hung
// (Windows' TdrDelay); 0 restores the default of 2 s.
void SetDeviceHangTimeout(uint32_t milliseconds);

// Stand-in COM objects alive.
long LiveObjects();
// Vulkan validation-layer messages reported so far.
uint64_t ValidationMessages();

} // namespace platform_testing
