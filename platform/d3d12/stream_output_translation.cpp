// Stream output as transform feedback: each capturing draw begins capture
// from the filled sizes of the bound targets and ends it writing them back.
#include "command_translator.h"

namespace d3d12_standin {
namespace {

constexpr StateUse kCaptureUse{VK_PIPELINE_STAGE_2_TRANSFORM_FEEDBACK_BIT_EXT,
                               VK_ACCESS_2_TRANSFORM_FEEDBACK_WRITE_BIT_EXT |
                                   VK_ACCESS_2_TRANSFORM_FEEDBACK_COUNTER_READ_BIT_EXT |
                                   VK_ACCESS_2_TRANSFORM_FEEDBACK_COUNTER_WRITE_BIT_EXT};

} // namespace

void CommandTranslator::operator()(const CmdSetStreamOutput& command) {
    for (size_t i = 0; i < command.targets.size(); ++i) {
        streamOutput_[command.startSlot + i] = command.targets[i];
    }
}

void CommandTranslator::BeforeCapturingDraw() {
    // Counters written by one capture are read by the next only across a
    // barrier, and barriers go between render pass instances.
    EndRendering();
    barriers_.AddMemory(kCaptureUse, kCaptureUse);
}

bool CommandTranslator::BeginCapture() {
    VkBuffer counters[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    VkDeviceSize counterOffsets[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    bool any = false;
    for (uint32_t slot = 0; slot < D3D12_SO_BUFFER_SLOT_COUNT; ++slot) {
        const StreamOutputTarget& target = streamOutput_[slot];
        if (target.buffer == nullptr) {
            continue;
        }
        KeepUntilFinished(target.buffer);
        core_.context->commands.bindTransformFeedbackBuffers(
            commands_, slot, 1, &target.buffer->buffer, &target.offset, &target.size);
        if (target.filled != nullptr) {
            KeepUntilFinished(target.filled);
            counters[slot] = target.filled->buffer;
            counterOffsets[slot] = target.filledOffset;
        }
        any = true;
    }
    if (any) {
        core_.context->commands.beginTransformFeedback(commands_, 0, D3D12_SO_BUFFER_SLOT_COUNT,
                                                       counters, counterOffsets);
    }
    return any;
}

void CommandTranslator::EndCapture() {
    VkBuffer counters[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    VkDeviceSize counterOffsets[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    for (uint32_t slot = 0; slot < D3D12_SO_BUFFER_SLOT_COUNT; ++slot) {
        const StreamOutputTarget& target = streamOutput_[slot];
        if (target.buffer != nullptr && target.filled != nullptr) {
            counters[slot] = target.filled->buffer;
            counterOffsets[slot] = target.filledOffset;
        }
    }
    core_.context->commands.endTransformFeedback(commands_, 0, D3D12_SO_BUFFER_SLOT_COUNT, counters,
                                                 counterOffsets);
    hostReadsBuffers_ = true;
}

} // namespace d3d12_standin
