// Turns one command list's stream into Vulkan commands at ExecuteCommandLists.
// Images are moved into the layout each use needs, from the layout they are
// really in: the barriers' "before" states are checked, never trusted.
#pragma once

#include "command_stream.h"
#include "device_core.h"

#include <array>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace d3d12_standin {

class CommandTranslator {
public:
    CommandTranslator(DeviceCore& core, VkCommandBuffer commands,
                      std::vector<std::shared_ptr<const void>>& keepAlive);

    void Translate(const std::vector<Command>& stream);
    // Ends open rendering, makes writes visible to the host and lets states
    // promoted to read-only decay back to COMMON, as at the end of a list.
    void Finish();
    uint64_t Draws() const { return draws_; }

    void operator()(const CmdSetViewports& command) { viewports_ = command.viewports; }
    void operator()(const CmdSetScissors& command) { scissors_ = command.rects; }
    void operator()(const CmdBarriers& command);
    void operator()(const CmdSetRenderTargets& command);
    void operator()(const CmdClearColor& command);
    void operator()(const CmdClearDepth& command);
    void operator()(const CmdCopyBufferTexture& command);
    void operator()(const CmdCopyTextureTexture& command);
    void operator()(const CmdCopyBuffer& command);
    void operator()(const CmdSetRootSignature& command) { rootSignature_ = command.layout; }
    void operator()(const CmdSetPipeline& command) { pipeline_ = command.pipeline; }
    void operator()(const CmdSetTable& command) { tables_[command.parameter] = command; }
    void operator()(const CmdSetTopology& command) { topology_ = command.topology; }
    void operator()(const CmdSetVertexBuffers& command);
    void operator()(const CmdDraw& command);

private:
    // What a render pass instance is made of; a draw needing another one
    // ends the open instance and begins its own.
    struct RenderingSetup {
        std::vector<AttachmentView> colors; // null images for unbound slots
        AttachmentView depth;
        bool operator==(const RenderingSetup& other) const;
    };

    void Keep(const std::shared_ptr<const void>& object);
    void FullBarrier();
    void Transition(GpuImage& image, VkImageLayout layout);
    void PromoteFromCommon(GpuImage& image, D3D12_RESOURCE_STATES state, bool readOnly);
    void EndRendering();
    VkExtent2D BeginRendering(const RenderingSetup& setup);
    void ClearAttachment(const AttachmentView& target, const VkRenderingAttachmentInfo& attachment,
                         bool depth, bool stencil, const VkClearAttachment& clear,
                         const std::vector<D3D12_RECT>& rects);
    bool BindDescriptorSets(std::vector<VkDescriptorSet>* sets);
    void SkipCommand(const char* reason);

    DeviceCore& core_;
    VkCommandBuffer commands_;
    std::vector<std::shared_ptr<const void>>& keepAlive_;
    std::set<const void*> kept_;
    uint64_t draws_ = 0;

    std::vector<D3D12_VIEWPORT> viewports_;
    std::vector<D3D12_RECT> scissors_;
    CmdSetRenderTargets targets_;
    bool rendering_ = false;
    RenderingSetup activeSetup_;
    VkExtent2D renderArea_{};
    std::shared_ptr<RootSignatureLayout> rootSignature_;
    std::shared_ptr<PipelineObject> pipeline_;
    VkPipeline boundPipeline_ = VK_NULL_HANDLE;
    std::map<uint32_t, CmdSetTable> tables_;
    D3D12_PRIMITIVE_TOPOLOGY topology_ = D3D_PRIMITIVE_TOPOLOGY_UNDEFINED;
    std::array<VertexBufferBinding, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> vertexBuffers_{};
    std::vector<GpuImage*> promotedToRead_;
    std::set<std::string> reported_;
};

} // namespace d3d12_standin
