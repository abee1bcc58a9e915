// A list's Vulkan command buffer kept after it ran, with everything its
// translation read: a later execution of a list that equals it in all of
// that submits the same buffer again instead of translating anew. What the
// translation read besides the commands: the Direct3D 12 states and Vulkan
// layouts its resources began in, the descriptors its draws' tables held,
// and the descriptor sets' cache generation. The pass over the commands
// (debug_layer.h) still runs at every execution, as the validation layer
// reports at each.
#pragma once

#include "command_stream.h"
#include "returned_commands.h"

#include <memory>
#include <vector>

namespace d3d12_standin {

// Two command streams that a translation would turn into the same Vulkan
// commands, given the same states and descriptors; false for any stream
// holding a command whose translation is not kept (copies, unordered-access
// clears, queries, dispatches, indirect commands, resolves).
bool SameCommands(const std::vector<Command>& first, const std::vector<Command>& second);
bool KeepsTranslation(const std::vector<Command>& commands);

struct TranslatedList {
    TranslatedList(std::shared_ptr<ReturnedCommands> returns, VkCommandBuffer commands)
        : returns(std::move(returns)), commands(commands) {}
    // The buffer goes back to the queue: no submission holds this any more.
    ~TranslatedList() { returns->Give(commands); }
    TranslatedList(const TranslatedList&) = delete;
    TranslatedList& operator=(const TranslatedList&) = delete;

    std::shared_ptr<ReturnedCommands> returns;
    VkCommandBuffer commands;
    const void* translator = nullptr; // whose carried state it began from
    uint64_t recording = 0;           // the list's recording it was made from
    std::vector<Command> source;
    uint64_t setGeneration = 0;
    uint64_t lastSerial = 0; // of the last submission that ran it
    bool complete = false;   // translated without a skipped command

    // Each resource's states when the list began, in the order first used.
    struct StartStates {
        std::weak_ptr<const SubresourceStates> states;
        const SubresourceStates* noted; // as the weak pointer's, to find it while noting
        std::vector<D3D12_RESOURCE_STATES> values;
    };
    std::vector<StartStates> states;
    // Each image's layouts when the list began and when it ended; the
    // image is among `used`, so it is the same one while those are live.
    struct ImageLayouts {
        GpuImage* image;
        std::vector<VkImageLayout> before, after;
    };
    std::vector<ImageLayouts> images;
    // A descriptor a draw's tables read, as it was then: binding `binding`
    // of the table that command `command` of the list set. Tables compare
    // by what they hold, not by where in the heap they start.
    struct DescriptorRead {
        uint32_t command;
        uint32_t binding;
        DescriptorRecord record;
    };
    std::vector<DescriptorRead> descriptors;
    // What the buffer uses: looked up again at each reuse, so that a
    // released object is never read; `owned` is its own memory (root constants).
    std::vector<std::weak_ptr<const void>> used;
    std::vector<std::shared_ptr<const void>> owned;
    uint64_t draws = 0, barriers = 0, renderPasses = 0;

    // Notes a resource's states when first used: nothing has moved them yet.
    void NoteStates(const std::shared_ptr<const SubresourceStates>& resource);
    // Whether resources and the descriptors of `commands`' tables are now
    // as when it was translated; only after HoldUsed, for commands that
    // SameCommands found equal to the source.
    bool SameInputs(const std::vector<Command>& commands, uint64_t setGeneration) const;
    // Adds what the buffer uses to `keepAlive`; false where any is gone.
    bool HoldUsed(std::vector<std::shared_ptr<const void>>* keepAlive) const;
    // The images are left as the translated list left them.
    void ApplyEndLayouts() const;
};

// Two descriptors holding the same objects and values.
bool SameDescriptor(const DescriptorRecord& first, const DescriptorRecord& second);

} // namespace d3d12_standin
