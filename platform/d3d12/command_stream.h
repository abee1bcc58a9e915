// What a command list records: plain commands that hold the objects they use.
// ExecuteCommandLists translates them into a Vulkan command buffer.
#pragma once

#include "descriptor_record.h"
#include "pipeline_object.h"

#include <memory>
#include <variant>
#include <vector>

namespace d3d12_standin {

// A render-target or depth-stencil view, read from its descriptor when recorded.
struct AttachmentView {
    std::shared_ptr<GpuImage> image;
    ImageViewKey view{};
};

struct CmdSetViewports {
    std::vector<D3D12_VIEWPORT> viewports;
};
struct CmdSetScissors {
    std::vector<D3D12_RECT> rects;
};
struct CmdTransition {
    std::shared_ptr<GpuImage> image; // null for a buffer
    D3D12_RESOURCE_STATES before;
    D3D12_RESOURCE_STATES after;
};
struct CmdBarriers {
    std::vector<CmdTransition> transitions;
};
struct CmdSetRenderTargets {
    std::vector<AttachmentView> colors;
    AttachmentView depth;
};
struct CmdClearColor {
    AttachmentView target;
    float color[4];
    std::vector<D3D12_RECT> rects;
};
struct CmdClearDepth {
    AttachmentView target;
    D3D12_CLEAR_FLAGS flags;
    float depth;
    uint8_t stencil;
    std::vector<D3D12_RECT> rects;
};
// Buffer <-> texture copies through a placed footprint.
struct CmdCopyBufferTexture {
    bool toTexture;
    std::shared_ptr<GpuBuffer> buffer;
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint;
    std::shared_ptr<GpuImage> image;
    uint32_t mip, layer;
    VkOffset3D textureOffset;   // where in the texture the region starts
    VkOffset3D footprintOffset; // where in the footprint it starts
    VkExtent3D extent;
};
struct CmdCopyTextureTexture {
    std::shared_ptr<GpuImage> source, destination;
    uint32_t sourceMip, sourceLayer, destinationMip, destinationLayer;
    VkOffset3D sourceOffset, destinationOffset;
    VkExtent3D extent;
};
struct CmdCopyBuffer {
    std::shared_ptr<GpuBuffer> destination;
    uint64_t destinationOffset;
    std::shared_ptr<GpuBuffer> source;
    uint64_t sourceOffset;
    uint64_t size;
};
struct CmdSetRootSignature {
    std::shared_ptr<RootSignatureLayout> layout;
};
struct CmdSetPipeline {
    std::shared_ptr<PipelineObject> pipeline;
};
// Descriptor tables are read when the list executes, as on Windows.
struct CmdSetTable {
    uint32_t parameter;
    std::shared_ptr<DescriptorStorage> heap;
    uint32_t first;
};
struct CmdSetTopology {
    D3D12_PRIMITIVE_TOPOLOGY topology;
};
struct VertexBufferBinding {
    std::shared_ptr<GpuBuffer> buffer; // null: unbound
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t stride = 0;
};
struct CmdSetVertexBuffers {
    uint32_t startSlot;
    std::vector<VertexBufferBinding> views;
};
struct CmdDraw {
    uint32_t vertexCount, instanceCount, startVertex, startInstance;
};

using Command =
    std::variant<CmdSetViewports, CmdSetScissors, CmdBarriers, CmdSetRenderTargets, CmdClearColor,
                 CmdClearDepth, CmdCopyBufferTexture, CmdCopyTextureTexture, CmdCopyBuffer,
                 CmdSetRootSignature, CmdSetPipeline, CmdSetTable, CmdSetTopology,
                 CmdSetVertexBuffers, CmdDraw>;

} // namespace d3d12_standin
