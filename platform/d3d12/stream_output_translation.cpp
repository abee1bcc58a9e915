// Stream output as transform feedback: each capturing draw begins capture
// from the filled sizes of the bound targets and ends it writing them back.
#include "command_translator.h"

#include <algorithm>

namespace d3d12_standin {
namespace {

constexpr StateUse kCaptureUse{VK_PIPELINE_STAGE_2_TRANSFORM_FEEDBACK_BIT_EXT,
                               VK_ACCESS_2_TRANSFORM_FEEDBACK_WRITE_BIT_EXT |
                                   VK_ACCESS_2_TRANSFORM_FEEDBACK_COUNTER_READ_BIT_EXT |
                                   VK_ACCESS_2_TRANSFORM_FEEDBACK_COUNTER_WRITE_BIT_EXT};

// What a scratch buffer may grow to; a larger need is capped, and capture
// may then stop early.
constexpr VkDeviceSize kMaxScratch = 64ull << 20;

} // namespace

uint32_t CommandTranslator::BindScratchForUnboundSlots() {
    const auto& strides = pipeline_->streamOutputStrides;
    uint64_t vertices = 0; // the most any bound target can take
    uint32_t widest = 0;   // the widest stride of a slot without a target
    for (uint32_t slot = 0; slot < D3D12_SO_BUFFER_SLOT_COUNT; ++slot) {
        if (strides[slot] != 0 && streamOutput_[slot].buffer != nullptr) {
            vertices = std::max(vertices, streamOutput_[slot].size / strides[slot] + 1);
        } else if (strides[slot] != 0) {
            widest = std::max(widest, strides[slot]);
        }
    }
    if (widest == 0 || vertices == 0) {
        return 0;
    }
    const VkDeviceSize needed = std::min<VkDeviceSize>(vertices * widest, kMaxScratch);
    if (streamOutputScratch_ == nullptr || streamOutputScratch_->size < needed) {
        streamOutputScratch_ =
            MakeOwnBuffer(core_.context, needed, VK_BUFFER_USAGE_TRANSFORM_FEEDBACK_BUFFER_BIT_EXT,
                          0, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT);
    }
    if (streamOutputScratch_ == nullptr) {
        return 0;
    }
    KeepUntilFinished(streamOutputScratch_);
    const VkDeviceSize offset = 0, size = VK_WHOLE_SIZE;
    uint32_t bound = 0;
    for (uint32_t slot = 0; slot < D3D12_SO_BUFFER_SLOT_COUNT; ++slot) {
        if (strides[slot] != 0 && streamOutput_[slot].buffer == nullptr) {
            core_.context->commands.bindTransformFeedbackBuffers(
                commands_, slot, 1, &streamOutputScratch_->buffer, &offset, &size);
            bound = slot + 1;
        }
    }
    return bound;
}

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
    captureSlots_ = 0;
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
        captureSlots_ = slot + 1;
    }
    if (captureSlots_ == 0) {
        return false;
    }
    // Vulkan takes counters only for the slots bound.
    captureSlots_ = std::max(captureSlots_, BindScratchForUnboundSlots());
    core_.context->commands.beginTransformFeedback(commands_, 0, captureSlots_, counters,
                                                   counterOffsets);
    return true;
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
    core_.context->commands.endTransformFeedback(commands_, 0, captureSlots_, counters,
                                                 counterOffsets);
    hostReadsBuffers_ = true;
}

} // namespace d3d12_standin
