// Dispatch at execution: the compute root arguments' descriptor sets, then
// vkCmdDispatch outside any render pass instance.
#include "command_translator.h"

namespace d3d12_standin {

void CommandTranslator::operator()(const CmdDispatch& command) {
    if (!CheckDispatchState() || command.x == 0 || command.y == 0 || command.z == 0) {
        return;
    }
    if (BindDispatchState()) {
        vkCmdDispatch(commands_, command.x, command.y, command.z);
    }
}

// A compute pipeline state and a compute root signature that fits it; false
// skips the dispatch, saying why.
bool CommandTranslator::CheckDispatchState() {
    if (pipeline_ == nullptr || !pipeline_->compute) {
        SkipCommand("a dispatch has no compute pipeline state");
        return false;
    }
    KeepUntilFinished(pipeline_);
    const std::shared_ptr<RootSignatureLayout>& rootSignature = compute_.rootSignature;
    if (rootSignature == nullptr || !rootSignature->CompatibleWith(*pipeline_->rootSignature)) {
        SkipCommand("a dispatch has no compute root signature, or one that differs from its "
                    "pipeline state's");
        return false;
    }
    return true;
}

// The pipeline and its descriptor sets bound outside any render pass
// instance; false skips the dispatch.
bool CommandTranslator::BindDispatchState() {
    EndRendering();
    FlushClears();
    std::vector<VkDescriptorSet>& sets = drawSets_;
    sets.clear();
    arguments_ = &compute_;
    const bool bound = BindDescriptorSets(&sets);
    arguments_ = &graphics_;
    if (!bound) {
        return false;
    }
    RecordBarriers();
    vkCmdBindPipeline(commands_, VK_PIPELINE_BIND_POINT_COMPUTE, pipeline_->pipeline);
    if (!sets.empty()) {
        vkCmdBindDescriptorSets(commands_, VK_PIPELINE_BIND_POINT_COMPUTE,
                                compute_.rootSignature->layout, 0, uint32_t(sets.size()),
                                sets.data(), 0, nullptr);
    }
    return true;
}

} // namespace d3d12_standin
