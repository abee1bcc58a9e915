// DrawInstanced and DrawIndexedInstanced at execution: render pass instance, descriptor sets,
// vertex buffers and dynamic state, then the draw.
#include "command_translator.h"

#include "draw_checks.h"
#include "descriptor_set_cache.h"
#include "state_translation.h"
#include "testing_counters.h"
#include "translated_list.h"
#include "viewport_translation.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace d3d12_standin {
namespace {

bool SameTopologyClass(VkPrimitiveTopology topology, D3D12_PRIMITIVE_TOPOLOGY_TYPE type) {
    switch (topology) {
    case VK_PRIMITIVE_TOPOLOGY_POINT_LIST:
        return type == D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT;
    case VK_PRIMITIVE_TOPOLOGY_LINE_LIST:
    case VK_PRIMITIVE_TOPOLOGY_LINE_STRIP:
    case VK_PRIMITIVE_TOPOLOGY_LINE_LIST_WITH_ADJACENCY:
    case VK_PRIMITIVE_TOPOLOGY_LINE_STRIP_WITH_ADJACENCY:
        return type == D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE;
    case VK_PRIMITIVE_TOPOLOGY_PATCH_LIST:
        return type == D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH;
    default:
        return type == D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
    }
}

bool CarriesAdjacency(VkPrimitiveTopology topology) {
    return topology >= VK_PRIMITIVE_TOPOLOGY_LINE_LIST_WITH_ADJACENCY &&
           topology <= VK_PRIMITIVE_TOPOLOGY_TRIANGLE_STRIP_WITH_ADJACENCY;
}

// Equal bit for bit: the same input gives the same viewport slots.
template <typename T> bool SameBits(const std::vector<T>& first, const std::vector<T>& second) {
    return first.size() == second.size() &&
           (first.empty() ||
            std::memcmp(first.data(), second.data(), first.size() * sizeof(T)) == 0);
}

constexpr D3D12_RESOURCE_STATES kShaderResource =
    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE;

} // namespace

// The textures the tables read, which may need a barrier (outside any render
// pass instance) before the draw.
bool CommandTranslator::CollectSampledImages(const RootSignatureLayout& layout,
                                             std::vector<ImageUse>* toSample, bool* needsBarrier) {
    for (size_t i = 0; i < layout.parameters.size(); ++i) {
        const RootParameterLayout& parameter = layout.parameters[i];
        if (parameter.type != D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE) {
            continue; // root arguments are buffers, which need no layout
        }
        const CmdSetTable* table = arguments_->tables.Find(uint32_t(i));
        if (table == nullptr) {
            SkipCommand("a draw has a root descriptor table that was never set");
            return false;
        }
        const DescriptorStorage& heap = *table->heap;
        KeepUntilFinished(table->heap);
        for (const TableBinding& binding : parameter.bindings) {
            uint64_t index = uint64_t(table->first) + binding.binding;
            if (index >= heap.records.size()) {
                SkipCommand("a descriptor table reaches past the end of its heap");
                return false;
            }
            const DescriptorRecord& record = heap.records[index];
            std::shared_ptr<GpuImage> image = record.image.lock();
            if (image == nullptr) {
                continue;
            }
            D3D12_RESOURCE_STATES state = D3D12_RESOURCE_STATE_UNORDERED_ACCESS;
            if (binding.type == VK_DESCRIPTOR_TYPE_SAMPLED_IMAGE &&
                record.kind == DescriptorKind::ShaderResource) {
                state = kShaderResource;
            } else if (binding.type != VK_DESCRIPTOR_TYPE_STORAGE_IMAGE ||
                       record.kind != DescriptorKind::UnorderedAccess) {
                continue;
            }
            KeepUntilFinished(image);
            const SubresourceRange range = RangeOf(record.view);
            *needsBarrier =
                *needsBarrier || HasPendingClear(*image) || NeedsBarrier(*image, range, state);
            toSample->push_back({image.get(), range, state});
        }
    }
    return true;
}

// One descriptor of a set, and its part of the key that lets equal tables
// share a set (object ids, not addresses).
bool CommandTranslator::AddDescriptor(const TableBinding& binding, const DescriptorRecord& record,
                                      SetContent* content) {
    if (binding.rangeType == D3D12_DESCRIPTOR_RANGE_TYPE_SRV ||
        binding.rangeType == D3D12_DESCRIPTOR_RANGE_TYPE_UAV) {
        return AddViewDescriptors(binding, record, content);
    }
    content->key.push_back(binding.binding);
    const uint32_t vulkanBinding = TableVulkanBinding(binding.binding, dxbc::ResourceShape::Plain);
    if (binding.type == VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER) {
        std::shared_ptr<GpuBuffer> buffer;
        if (!ViewedObject(record, DescriptorKind::ConstantBuffer, record.buffer,
                          "a table holds no live constant-buffer view where the shader reads one",
                          &buffer)) {
            return false;
        }
        KeepUntilFinished(buffer);
        VkDescriptorBufferInfo info{buffer ? buffer->buffer : VK_NULL_HANDLE,
                                    buffer ? record.offset : 0,
                                    buffer ? record.size : VK_WHOLE_SIZE};
        content->key.insert(content->key.end(),
                            {1, buffer ? buffer->id : 0, info.offset, info.range});
        content->AddBuffer(vulkanBinding, binding.type, info);
        return true;
    }
    if (record.kind != DescriptorKind::Sampler) {
        SkipCommand("a table holds no sampler where the shader reads one");
        return false;
    }
    VkDescriptorImageInfo info{};
    info.sampler = core_.descriptorSets->Sampler(record.sampler);
    content->key.insert(content->key.end(),
                        {3, uint64_t(reinterpret_cast<uintptr_t>(info.sampler))});
    content->AddImage(vulkanBinding, binding.type, info);
    return true;
}

// Descriptor sets for every root parameter, read from the bound tables now.
void CommandTranslator::NoteDescriptorReads(const RootSignatureLayout& layout) {
    for (size_t i = 0; i < layout.parameters.size(); ++i) {
        const CmdSetTable* table = arguments_->tables.Find(uint32_t(i));
        if (table == nullptr) {
            continue; // the draw is skipped
        }
        const uint32_t command = *arguments_->tableCommands.Find(uint32_t(i));
        const std::vector<DescriptorRecord>& records = table->heap->records;
        for (const TableBinding& binding : layout.parameters[i].bindings) {
            const uint64_t index = uint64_t(table->first) + binding.binding;
            if (index >= records.size()) {
                continue;
            }
            std::vector<TranslatedList::DescriptorRead>& reads = keptList_->descriptors;
            auto same = [&](const TranslatedList::DescriptorRead& read) {
                return read.command == command && read.binding == binding.binding;
            };
            if (std::find_if(reads.begin(), reads.end(), same) == reads.end()) {
                reads.push_back({command, binding.binding, records[index]});
            }
        }
    }
}

bool CommandTranslator::BindDescriptorSets(std::vector<VkDescriptorSet>* sets) {
    const RootSignatureLayout& layout = *pipeline_->rootSignature;
    if (keptList_ != nullptr) {
        NoteDescriptorReads(layout);
    }
    if (SameTablesAsLastDraw(layout)) {
        *sets = lastSets_.sets;
        return true;
    }
    lastSets_.layout.reset();
    std::vector<ImageUse>& toSample = sampledScratch_;
    toSample.clear();
    bool needsBarrier = false;
    if (!CollectSampledImages(layout, &toSample, &needsBarrier)) {
        return false;
    }
    if (needsBarrier) {
        EndRendering();
        FlushClears();
    }
    for (const ImageUse& use : toSample) {
        TransitionForUse(*use.image, use.range, use.state);
    }
    bool onlyTables = true;
    for (size_t i = 0; i < layout.parameters.size(); ++i) {
        const RootParameterLayout& parameter = layout.parameters[i];
        SetContent& content = core_.descriptorSets->Scratch();
        if (parameter.type != D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE) {
            onlyTables = false;
            if (!AddRootArgument(uint32_t(i), parameter, &content)) {
                return false;
            }
        }
        for (const TableBinding& binding : parameter.bindings) {
            const CmdSetTable& table = *arguments_->tables.Find(uint32_t(i));
            if (!AddDescriptor(binding, table.heap->records[table.first + binding.binding],
                               &content)) {
                return false;
            }
        }
        VkDescriptorSet set =
            core_.descriptorSets->Get(parameter.setLayout, parameter.setLayoutId, content);
        if (set == VK_NULL_HANDLE) {
            SkipCommand("a descriptor set could not be allocated");
            return false;
        }
        sets->push_back(set);
    }
    if (layout.samplerSet != VK_NULL_HANDLE) {
        sets->push_back(layout.samplerSet);
    }
    // Root arguments change without a call the cache could see.
    if (toSample.empty() && onlyTables) {
        RememberSets(pipeline_->rootSignature, *sets);
    }
    return true;
}

// What a draw needs before anything is recorded; false skips it (with a
// reason, except for a draw of nothing).
bool CommandTranslator::CheckDrawState(const CmdDraw& command, VkPrimitiveTopology* topology) {
    if (pipeline_ == nullptr) {
        SkipCommand("a draw has no pipeline state");
        return false;
    }
    KeepUntilFinished(pipeline_);
    const std::shared_ptr<RootSignatureLayout>& rootSignature = graphics_.rootSignature;
    if (pipeline_->compute) {
        SkipCommand("a draw has a compute pipeline state");
        return false;
    }
    if (rootSignature == nullptr || !rootSignature->CompatibleWith(*pipeline_->rootSignature)) {
        SkipCommand("a draw has no root signature, or one that differs from its pipeline state's");
        return false;
    }
    if (command.vertexCount == 0 || command.instanceCount == 0) {
        return false;
    }
    if (viewports_.empty() || viewports_[0].Width <= 0.0f || viewports_[0].Height == 0.0f) {
        SkipCommand("a draw has no viewport");
        return false;
    }
    *topology = Topology(topology_);
    if (*topology == VK_PRIMITIVE_TOPOLOGY_MAX_ENUM ||
        !SameTopologyClass(*topology, pipeline_->topologyType)) {
        SkipCommand("a draw's primitive topology is unset or does not match the pipeline state");
        return false;
    }
    if (pipeline_->recipe.geometryModule != VK_NULL_HANDLE &&
        pipeline_->geometryReadsAdjacency != CarriesAdjacency(*topology)) {
        SkipCommand("a draw's topology does not carry the adjacency its geometry shader reads, or "
                    "carries adjacency it does not");
        return false;
    }
    if (*topology == VK_PRIMITIVE_TOPOLOGY_PATCH_LIST &&
        PatchControlPointsOf(topology_) != pipeline_->recipe.patchControlPoints) {
        SkipCommand("a draw's patches are not the size its hull shader takes");
        return false;
    }
    bool nullDescriptors = core_.context->features.nullDescriptor;
    for (uint32_t slot : pipeline_->vertexSlots) {
        if (vertexBuffers_[slot].buffer == nullptr && !nullDescriptors) {
            SkipCommand("a draw reads a vertex slot with no buffer bound");
            return false;
        }
    }
    return true;
}

// The render pass instance the pipeline expects: its colour slots, and depth
// only when the pipeline has a depth format.
bool CommandTranslator::MatchTargets(RenderingSetup* setup) {
    for (uint32_t i = 0; i < pipeline_->numRenderTargets; ++i) {
        AttachmentView view;
        if (i < targets_.colors.size() && pipeline_->colorFormats[i] != VK_FORMAT_UNDEFINED) {
            view = targets_.colors[i];
            if (view.image != nullptr && view.view.format != pipeline_->colorFormats[i]) {
                SkipCommand(
                    "a render target's format differs from the pipeline state's RTVFormats");
                return false;
            }
            if (view.image != nullptr && view.image->samples != pipeline_->recipe.samples) {
                SkipCommand("a render target's sample count differs from the pipeline state's");
                return false;
            }
        }
        setup->colors.push_back(view);
    }
    if (pipeline_->depthFormat != VK_FORMAT_UNDEFINED && targets_.depth.image != nullptr) {
        if (targets_.depth.view.format != pipeline_->depthFormat) {
            SkipCommand("the depth target's format differs from the pipeline state's DSVFormat");
            return false;
        }
        if (targets_.depth.image->samples != pipeline_->recipe.samples) {
            SkipCommand("the depth target's sample count differs from the pipeline state's");
            return false;
        }
        setup->depth = targets_.depth;
    }
    return true;
}

bool CommandTranslator::BindVertexBuffers(const CmdDraw& command) {
    for (uint32_t slot : pipeline_->vertexSlots) {
        const VertexBufferBinding& binding = vertexBuffers_[slot];
        VkBuffer buffer = binding.buffer ? binding.buffer->buffer : VK_NULL_HANDLE;
        VkDeviceSize offset = binding.offset, size = binding.buffer ? binding.size : VK_WHOLE_SIZE;
        if (binding.buffer == nullptr) {
            offset = 0;
        } else if (pipeline_->perInstanceSlot[slot]) {
            // SV_InstanceID counts from 0 in every draw, so the start instance
            // moves the per-instance data instead of the instance index.
            uint64_t skip = uint64_t(command.startInstance) * binding.stride;
            skip = skip < size ? skip : size;
            offset += skip;
            size -= skip;
        }
        VkDeviceSize stride = binding.stride;
        if (binding.buffer != nullptr && size == 0) {
            SkipCommand("a draw's vertex buffer view is empty");
            return false;
        }
        const VertexSlot wanted{buffer, offset, size, stride};
        if (!bound_.vertexSlotBound[slot] || !(bound_.vertexSlots[slot] == wanted)) {
            // No sizes where the view runs to the buffer's end: the driver
            // then keeps no copy of them in the command buffer.
            const bool toEnd = binding.buffer == nullptr || offset + size == binding.buffer->size;
            vkCmdBindVertexBuffers2(commands_, slot, 1, &buffer, &offset, toEnd ? nullptr : &size,
                                    &stride);
            bound_.vertexSlots[slot] = wanted;
            bound_.vertexSlotBound[slot] = true;
        }
    }
    return true;
}

void CommandTranslator::BoundDrawState::Forget() {
    viewports = false;
    topology = VK_PRIMITIVE_TOPOLOGY_MAX_ENUM;
    primitiveRestart = -1;
    blendFactor.reset();
    stencilRef.reset();
    setsLayout = VK_NULL_HANDLE;
    sets.clear();
    vertexSlotBound.fill(false);
}

const ViewportSlotsState& CommandTranslator::DrawViewports() {
    const bool sameArea =
        viewSlotsArea_.width == renderArea_.width && viewSlotsArea_.height == renderArea_.height;
    if (!viewSlotsStale_ && sameArea) {
        return viewSlots_;
    }
    viewSlotsStale_ = false;
    // Lists that set the same viewports as the one before reuse its slots.
    if (sameArea && viewSlotsMade_ && SameBits(viewports_, viewSlotsViewports_) &&
        SameBits(scissors_, viewSlotsScissors_)) {
        return viewSlots_;
    }
    viewSlots_ =
        TranslateViewports(viewports_, scissors_, renderArea_, ViewportSlots(*core_.context));
    viewSlotsArea_ = renderArea_;
    viewSlotsViewports_ = viewports_;
    viewSlotsScissors_ = scissors_;
    viewSlotsMade_ = true;
    bound_.viewports = false;
    return viewSlots_;
}

void CommandTranslator::RecordDynamicState(VkPrimitiveTopology topology) {
    if (!bound_.viewports) {
        const uint32_t slots = ViewportSlots(*core_.context);
        vkCmdSetViewport(commands_, 0, slots, viewSlots_.viewports.data());
        vkCmdSetScissor(commands_, 0, slots, viewSlots_.scissors.data());
        bound_.viewports = true;
    }
    if (bound_.topology != topology) {
        vkCmdSetPrimitiveTopology(commands_, topology);
        bound_.topology = topology;
    }
    if (pipeline_->recipe.rasterization.rasterizerDiscardEnable == VK_TRUE) {
        // Such a pipeline has no fragment output state: the next pipeline
        // that has gets the blend factor and stencil reference set anew.
        bound_.blendFactor.reset();
        bound_.stencilRef.reset();
        return;
    }
    if (bound_.blendFactor != blendFactor_) {
        vkCmdSetBlendConstants(commands_, blendFactor_.data());
        bound_.blendFactor = blendFactor_;
    }
    if (bound_.stencilRef != stencilRef_) {
        vkCmdSetStencilReference(commands_, VK_STENCIL_FACE_FRONT_AND_BACK, stencilRef_);
        bound_.stencilRef = stencilRef_;
    }
}

void CommandTranslator::BindSets(const std::vector<VkDescriptorSet>& sets) {
    const VkPipelineLayout layout = pipeline_->rootSignature->layout;
    if (sets.empty() || (bound_.setsLayout == layout && bound_.sets == sets)) {
        return;
    }
    vkCmdBindDescriptorSets(commands_, VK_PIPELINE_BIND_POINT_GRAPHICS, layout, 0,
                            uint32_t(sets.size()), sets.data(), 0, nullptr);
    bound_.setsLayout = layout;
    bound_.sets = sets;
}

void CommandTranslator::SetPrimitiveRestart(bool restart) {
    if (bound_.primitiveRestart != int(restart)) {
        vkCmdSetPrimitiveRestartEnable(commands_, restart ? VK_TRUE : VK_FALSE);
        bound_.primitiveRestart = int(restart);
    }
}

bool CommandTranslator::BindIndexBuffer(const CmdDraw& command, VkPrimitiveTopology topology) {
    if (!command.indexed) {
        SetPrimitiveRestart(false);
        return true;
    }
    const CmdSetIndexBuffer& view = indexBuffer_;
    if (view.buffer == nullptr) {
        SkipCommand("an indexed draw has no index buffer");
        return false;
    }
    const bool wide = view.format == DXGI_FORMAT_R32_UINT;
    const uint64_t end = (uint64_t(command.startIndex) + command.vertexCount) * (wide ? 4 : 2);
    if (end > view.size) {
        SkipCommand("an indexed draw reads past the end of its index buffer view");
        return false;
    }
    // Vulkan restarts at the all-ones value of the index type; Direct3D at
    // the pipeline's cut value, which only ever matches an index of its width.
    const D3D12_INDEX_BUFFER_STRIP_CUT_VALUE cut = pipeline_->stripCut;
    const bool strip = topology == VK_PRIMITIVE_TOPOLOGY_LINE_STRIP ||
                       topology == VK_PRIMITIVE_TOPOLOGY_TRIANGLE_STRIP;
    if (strip && wide && cut == D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_0xFFFF) {
        SkipCommand("a cut value of 0xFFFF with 32-bit indices is not supported by the stand-in");
        return false;
    }
    const bool restart = strip && cut == (wide ? D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_0xFFFFFFFF
                                               : D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_0xFFFF);
    KeepUntilFinished(view.buffer);
    SetPrimitiveRestart(restart);
    vkCmdBindIndexBuffer(commands_, view.buffer->buffer, view.offset,
                         wide ? VK_INDEX_TYPE_UINT32 : VK_INDEX_TYPE_UINT16);
    return true;
}

void CommandTranslator::operator()(const CmdDraw& command) {
    const bool captures = pipeline_ != nullptr && pipeline_->streamOutput;
    if (captures) {
        BeforeCapturingDraw();
    }
    if (!PrepareDraw(command)) {
        return;
    }
    const bool capturing = captures && BeginCapture();
    if (command.indexed) {
        vkCmdDrawIndexed(commands_, command.vertexCount, command.instanceCount, command.startIndex,
                         command.baseVertex, 0);
    } else {
        vkCmdDraw(commands_, command.vertexCount, command.instanceCount, command.startVertex, 0);
    }
    if (capturing) {
        EndCapture();
    }
    ++draws_;
}

// The render pass instance and pipeline variant the bound targets and
// pipeline state call for; false skips the draw.
bool CommandTranslator::MatchDrawPass(RenderingSetup* setup, VkPipeline* pipeline) {
    setup->colors.clear();
    setup->depth = {};
    if (!MatchTargets(setup)) {
        return false;
    }
    // Slots without a view leave the pipeline (Vulkan discards what the
    // fragment shader writes there), as a missing depth view drops depth.
    uint32_t colorMask = 0;
    for (size_t i = 0; i < setup->colors.size(); ++i) {
        const bool drawn =
            setup->colors[i].image != nullptr && pipeline_->colorFormats[i] != VK_FORMAT_UNDEFINED;
        colorMask |= drawn ? 1u << i : 0u;
    }
    *pipeline = pipeline_->Variant(colorMask, setup->depth.image != nullptr);
    if (*pipeline == VK_NULL_HANDLE) {
        SkipCommand("a pipeline for the bound targets could not be created");
        return false;
    }
    return true;
}

// Everything a draw needs recorded before the draw itself; false skips it.
bool CommandTranslator::PrepareDraw(const CmdDraw& command) {
    VkPrimitiveTopology topology = VK_PRIMITIVE_TOPOLOGY_MAX_ENUM;
    if (!CheckDrawState(command, &topology)) {
        return false;
    }
    RenderingSetup& setup = drawSetup_;
    VkPipeline pipeline = drawPassPipeline_;
    bool matched = drawPassCurrent_;
    if (!matched && !MatchDrawPass(&setup, &pipeline)) {
        return false;
    }
    std::vector<VkDescriptorSet>& sets = drawSets_;
    sets.clear();
    if (!BindDescriptorSets(&sets)) {
        return false;
    }
    // A barrier for the textures the tables read ends the pass it was in.
    if (!drawPassCurrent_) {
        if (matched && !MatchDrawPass(&setup, &pipeline)) {
            return false;
        }
        if (!rendering_ || !(activeSetup_ == setup)) {
            EndRendering();
            BeginRendering(setup);
            boundPipeline_ = VK_NULL_HANDLE;
        }
        drawPassCurrent_ = true;
        drawPassPipeline_ = pipeline;
    }
    if (!DrawViewports().anyVisible && !pipeline_->streamOutput) {
        return false; // everything is scissored away, and nothing is captured
    }
    if (boundPipeline_ != pipeline) {
        vkCmdBindPipeline(commands_, VK_PIPELINE_BIND_POINT_GRAPHICS, pipeline);
        boundPipeline_ = pipeline;
    }
    RecordDynamicState(topology);
    BindSets(sets);
    return BindVertexBuffers(command) && BindIndexBuffer(command, topology);
}

} // namespace d3d12_standin
