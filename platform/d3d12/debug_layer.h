// The pass over each executed list's commands that follows the Direct3D 12
// state of every subresource in execution order (barriers, implicit
// promotion from COMMON, decay at the end of a list) for the translator, and
// as the validation layer reports what the debug layer reports on Windows
// through the message module.
#pragma once

#include "command_stream.h"

#include <memory>
#include <vector>

namespace d3d12_standin {

// On unless BRENNWICK_D3D12_DEBUG_LAYER is "0" (ID3D12Debug::EnableDebugLayer
// turns it back on for devices made afterwards).
bool DebugLayerEnabled();
void ForceDebugLayer();

class ListValidator;
struct TranslatedList;

// Executed lists, each followed command by command under the device's
// submissions lock, in execution order; the checks report only where the
// debug layer is on, the states move either way. A queue keeps one, whose
// records keep their storage from list to list.
class ExecutedList {
public:
    ExecutedList();
    ~ExecutedList();
    ExecutedList(const ExecutedList&) = delete;
    ExecutedList& operator=(const ExecutedList&) = delete;

    // Begins following `list`; with `kept`, notes there the states each
    // resource begins the list in.
    void Start(const void* list, TranslatedList* kept = nullptr);
    // Checks `command` and moves the states it changes; returns what its
    // barriers moved, for the translator to carry out.
    const std::vector<StateChange>& Follow(const Command& command);
    // The list ends: promoted states decay. `used` gets the resources it
    // used (its storage is reused); nothing of the list is held after it.
    void Finish(std::vector<std::shared_ptr<ResourceTrack>>* used);

private:
    std::unique_ptr<ListValidator> validator_;
};

// Notes that `resources` are used by submission `serial` of `queue`.
void NoteSubmitted(const std::vector<std::shared_ptr<ResourceTrack>>& resources, uint64_t serial,
                   const void* queue);

// A resource released while a submission that uses it may still run.
void ValidateFinalRelease(const ResourceTrack& resource, uint64_t completedSerial);

// Present reads the back buffer: it must be in PRESENT. Same lock.
void ValidatePresent(ResourceTrack& backBuffer);

} // namespace d3d12_standin
