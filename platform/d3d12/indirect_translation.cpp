// ExecuteIndirect at execution: the draw or dispatch state bound as for a
// direct call, then Vulkan's indirect commands, whose argument structures
// are Direct3D 12's (d3d12_command_signature.cpp checks that).
#include "command_translator.h"

#include <algorithm>

namespace d3d12_standin {

void CommandTranslator::operator()(const CmdExecuteIndirect& command) {
    KeepUntilFinished(command.arguments);
    KeepUntilFinished(command.count);
    if (command.maxCount == 0) {
        return;
    }
    if (command.kind == IndirectKind::Dispatch) {
        DispatchIndirect(command);
    } else {
        DrawIndirect(command);
    }
}

void CommandTranslator::DrawIndirect(const CmdExecuteIndirect& command) {
    const vk_core::VulkanContext& context = *core_.context;
    if (command.count != nullptr && !context.features.drawIndirectCount) {
        SkipCommand("indirect draws with a count buffer need the Vulkan device's "
                    "drawIndirectCount feature");
        return;
    }
    // The counts lie in the argument buffer; one of each lets the state pass.
    CmdDraw draw{1, 1, 0, 0};
    draw.indexed = command.kind == IndirectKind::DrawIndexed;
    const bool captures = pipeline_ != nullptr && pipeline_->streamOutput;
    if (captures) {
        BeforeCapturingDraw();
    }
    if (!PrepareDraw(draw)) {
        return;
    }
    const bool capturing = captures && BeginCapture();
    RecordIndirectDraws(command, draw.indexed);
    if (capturing) {
        EndCapture();
    }
}

void CommandTranslator::RecordIndirectDraws(const CmdExecuteIndirect& command, bool indexed) {
    const vk_core::VulkanContext& context = *core_.context;
    const VkBuffer arguments = command.arguments->buffer;
    ++draws_;
    if (command.count != nullptr) {
        // Vulkan, like Direct3D 12, draws the lesser of the count and maxCount.
        auto drawCount = indexed ? vkCmdDrawIndexedIndirectCount : vkCmdDrawIndirectCount;
        drawCount(commands_, arguments, command.offset, command.count->buffer, command.countOffset,
                  command.maxCount, command.stride);
        return;
    }
    const uint32_t perCall =
        context.features.multiDrawIndirect
            ? std::min(command.maxCount, context.properties.limits.maxDrawIndirectCount)
            : 1;
    auto drawIndirect = indexed ? vkCmdDrawIndexedIndirect : vkCmdDrawIndirect;
    for (uint32_t first = 0; first < command.maxCount; first += perCall) {
        const uint32_t count = std::min(perCall, command.maxCount - first);
        drawIndirect(commands_, arguments, command.offset + uint64_t(first) * command.stride, count,
                     command.stride);
    }
}

void CommandTranslator::DispatchIndirect(const CmdExecuteIndirect& command) {
    if (command.count != nullptr) {
        SkipCommand("indirect dispatches with a count buffer are not supported by the stand-in");
        return;
    }
    if (!CheckDispatchState() || !BindDispatchState()) {
        return;
    }
    for (uint32_t i = 0; i < command.maxCount; ++i) {
        vkCmdDispatchIndirect(commands_, command.arguments->buffer,
                              command.offset + uint64_t(i) * command.stride);
    }
}

} // namespace d3d12_standin
