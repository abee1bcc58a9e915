// Dispatch at execution: the compute root arguments' descriptor sets, then
// vkCmdDispatch outside any render pass instance.
#include "command_translator.h"

namespace d3d12_standin {

void CommandTranslator::operator()(const CmdDispatch& command) {
    if (pipeline_ == nullptr || !pipeline_->compute) {
        SkipCommand("a dispatch has no compute pipeline state");
        return;
    }
    KeepUntilFinished(pipeline_);
    const std::shared_ptr<RootSignatureLayout>& rootSignature = compute_.rootSignature;
    if (rootSignature == nullptr || !rootSignature->CompatibleWith(*pipeline_->rootSignature)) {
        SkipCommand("a dispatch has no compute root signature, or one that differs from its "
                    "pipeline state's");
        return;
    }
    if (command.x == 0 || command.y == 0 || command.z == 0) {
        return;
    }
    EndRendering();
    FlushClears();
    std::vector<VkDescriptorSet>& sets = drawSets_;
    sets.clear();
    arguments_ = &compute_;
    const bool bound = BindDescriptorSets(&sets);
    arguments_ = &graphics_;
    if (!bound) {
        return;
    }
    RecordBarriers();
    vkCmdBindPipeline(commands_, VK_PIPELINE_BIND_POINT_COMPUTE, pipeline_->pipeline);
    if (!sets.empty()) {
        vkCmdBindDescriptorSets(commands_, VK_PIPELINE_BIND_POINT_COMPUTE, rootSignature->layout, 0,
                                uint32_t(sets.size()), sets.data(), 0, nullptr);
    }
    vkCmdDispatch(commands_, command.x, command.y, command.z);
}

} // namespace d3d12_standin
