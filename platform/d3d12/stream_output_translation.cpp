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
constexpr StateUse kFillUse{VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT, VK_ACCESS_2_TRANSFER_WRITE_BIT};

// What a scratch buffer may grow to; a larger need is capped, and capture
// may then stop early.
constexpr VkDeviceSize kMaxScratch = 64ull << 20;
constexpr VkDeviceSize kMinScratch = 256;

} // namespace

const GpuBuffer* CommandTranslator::ScratchForUnboundSlots(uint32_t slots) {
    const auto& strides = pipeline_->streamOutputStrides;
    uint64_t vertices = 0; // the most any bound target can take
    uint32_t widest = 0;   // the widest stride of a slot without a target
    bool gap = false;      // a slot without a target or a stride below a bound one
    for (uint32_t slot = 0; slot < slots; ++slot) {
        if (streamOutput_[slot].buffer != nullptr) {
            vertices = strides[slot] != 0
                           ? std::max(vertices, streamOutput_[slot].size / strides[slot] + 1)
                           : vertices;
        } else if (strides[slot] != 0) {
            widest = std::max(widest, strides[slot]);
        } else {
            gap = true;
        }
    }
    if (widest == 0 && !gap) {
        return nullptr;
    }
    const VkDeviceSize needed =
        std::clamp<VkDeviceSize>(vertices * widest, kMinScratch, kMaxScratch);
    if (streamOutputScratch_ == nullptr || streamOutputScratch_->size < needed) {
        streamOutputScratch_ =
            MakeOwnBuffer(core_.context, needed, VK_BUFFER_USAGE_TRANSFORM_FEEDBACK_BUFFER_BIT_EXT,
                          0, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT);
    }
    if (streamOutputScratch_ != nullptr) {
        KeepUntilFinished(streamOutputScratch_);
    }
    return streamOutputScratch_.get();
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
    if (std::none_of(streamOutput_.begin(), streamOutput_.end(),
                     [](const StreamOutputTarget& target) { return target.buffer != nullptr; })) {
        return false;
    }
    captureSlots_ = 0;
    for (uint32_t slot = 0; slot < D3D12_SO_BUFFER_SLOT_COUNT; ++slot) {
        const bool written = pipeline_->streamOutputStrides[slot] != 0;
        captureSlots_ = streamOutput_[slot].buffer != nullptr || written ? slot + 1 : captureSlots_;
    }
    const GpuBuffer* scratch = ScratchForUnboundSlots(captureSlots_);
    // Every slot up to the last one written or bound is bound in one call
    // (a slot the pipeline does not write to the scratch buffer): Vulkan
    // takes counters only for the slots bound.
    VkBuffer buffers[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    VkDeviceSize offsets[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    VkDeviceSize sizes[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    VkBuffer counters[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    VkDeviceSize counterOffsets[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    for (uint32_t slot = 0; slot < captureSlots_; ++slot) {
        const StreamOutputTarget& target = streamOutput_[slot];
        if (target.buffer == nullptr) {
            if (scratch == nullptr) {
                return false; // no room for the capture: the draw captures nothing
            }
            buffers[slot] = scratch->buffer;
            sizes[slot] = VK_WHOLE_SIZE;
            continue;
        }
        KeepUntilFinished(target.buffer);
        buffers[slot] = target.buffer->buffer;
        offsets[slot] = target.offset;
        sizes[slot] = target.size;
        if (target.filled != nullptr) {
            KeepUntilFinished(target.filled);
            counters[slot] = target.filled->buffer;
            counterOffsets[slot] = target.filledOffset;
        }
    }
    core_.context->commands.bindTransformFeedbackBuffers(commands_, 0, captureSlots_, buffers,
                                                         offsets, sizes);
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
    ClearFilledSizesHighWords(counters, counterOffsets);
}

// Windows writes the filled size as a UINT64 and Vulkan's counter is its low
// 32 bits: the high ones are written 0 rather than left as the buffer held them.
void CommandTranslator::ClearFilledSizesHighWords(const VkBuffer* counters,
                                                  const VkDeviceSize* counterOffsets) {
    EndRendering(); // fills go between render pass instances
    barriers_.AddMemory(kCaptureUse, kFillUse);
    RecordBarriers();
    for (uint32_t slot = 0; slot < captureSlots_; ++slot) {
        if (counters[slot] != VK_NULL_HANDLE) {
            vkCmdFillBuffer(commands_, counters[slot], counterOffsets[slot] + 4, 4, 0);
        }
    }
    barriers_.AddMemory(kFillUse, kCaptureUse);
}

} // namespace d3d12_standin
