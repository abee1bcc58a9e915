// The validation layer: a pass over each executed list's commands, with
// the Direct3D 12 state of every subresource followed in execution order
// (implicit promotion from COMMON, decay at the end of a list), reporting
// what the debug layer reports on Windows through the message module.
#pragma once

#include "command_stream.h"

#include <vector>

namespace d3d12_standin {

// On unless BRENNWICK_D3D12_DEBUG_LAYER is "0" (ID3D12Debug::EnableDebugLayer
// turns it back on for devices made afterwards).
bool DebugLayerEnabled();
void ForceDebugLayer();

// Checks the commands `list` recorded, in order, and moves the states on as
// the list does. Call under the device's submissions lock, in execution order.
// `used` gets the resources the list uses (its storage is reused).
void ValidateExecutedList(const void* list, const std::vector<Command>& commands,
                          std::vector<std::shared_ptr<ResourceTrack>>* used);

// Notes that `resources` are used by submission `serial` of `queue`.
void NoteSubmitted(const std::vector<std::shared_ptr<ResourceTrack>>& resources, uint64_t serial,
                   const void* queue);

// A resource released while a submission that uses it may still run.
void ValidateFinalRelease(const ResourceTrack& resource, uint64_t completedSerial);

// Present reads the back buffer: it must be in PRESENT. Same lock.
void ValidatePresent(ResourceTrack& backBuffer);

} // namespace d3d12_standin
