#include "translated_list.h"

#include <cstring>
#include <type_traits>

namespace d3d12_standin {
namespace {

template <typename T> bool SameBytes(const T& first, const T& second) {
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&first, &second, sizeof(T)) == 0;
}

template <typename Items> bool SameItemBytes(const Items& first, const Items& second) {
    return first.size() == second.size() &&
           (first.size() == 0 ||
            std::memcmp(first.data(), second.data(), first.size() * sizeof(first[0])) == 0);
}

template <typename Items, typename Same>
bool SameItems(const Items& first, const Items& second, Same same) {
    if (first.size() != second.size()) {
        return false;
    }
    for (size_t i = 0; i < first.size(); ++i) {
        if (!same(first[i], second[i])) {
            return false;
        }
    }
    return true;
}

bool SameUse(const ResourceUse& first, const ResourceUse& second) {
    return first.resource == second.resource && first.subresource == second.subresource &&
           first.format == second.format && first.layers == second.layers;
}

bool SameView(const AttachmentView& first, const AttachmentView& second) {
    return first.image == second.image && SameBytes(first.view, second.view) &&
           SameUse(first.use, second.use);
}

bool SameTransition(const CmdTransition& first, const CmdTransition& second) {
    return first.image == second.image && first.before == second.before &&
           first.after == second.after && first.resource == second.resource &&
           first.subresource == second.subresource;
}

bool SameVertexBuffer(const VertexBufferBinding& first, const VertexBufferBinding& second) {
    return first.buffer == second.buffer && first.offset == second.offset &&
           first.size == second.size && first.stride == second.stride;
}

// The commands whose translation depends on nothing but the command, the
// states, the descriptors and what the commands before it set.
struct SameCommand {
    const Command& other;

    template <typename T> const T& Other() const { return *std::get_if<T>(&other); }

    bool operator()(const CmdSetViewports& c) const {
        return SameItemBytes(c.viewports, Other<CmdSetViewports>().viewports);
    }
    bool operator()(const CmdSetScissors& c) const {
        return SameItemBytes(c.rects, Other<CmdSetScissors>().rects);
    }
    bool operator()(const CmdBarriers& c) const {
        return SameItems(c.transitions, Other<CmdBarriers>().transitions, SameTransition);
    }
    bool operator()(const CmdSetRenderTargets& c) const {
        const CmdSetRenderTargets& o = Other<CmdSetRenderTargets>();
        return SameItems(c.colors, o.colors, SameView) && SameView(c.depth, o.depth) &&
               c.hasDepth == o.hasDepth;
    }
    bool operator()(const CmdClearColor& c) const {
        const CmdClearColor& o = Other<CmdClearColor>();
        return SameView(c.target, o.target) && SameBytes(c.color, o.color) &&
               SameItemBytes(c.rects, o.rects);
    }
    bool operator()(const CmdClearDepth& c) const {
        const CmdClearDepth& o = Other<CmdClearDepth>();
        return SameView(c.target, o.target) && c.flags == o.flags && SameBytes(c.depth, o.depth) &&
               c.stencil == o.stencil && SameItemBytes(c.rects, o.rects);
    }
    bool operator()(const CmdSetHeaps& c) const {
        const CmdSetHeaps& o = Other<CmdSetHeaps>();
        return c.resources == o.resources && c.samplers == o.samplers;
    }
    bool operator()(const CmdSetRootSignature& c) const {
        const CmdSetRootSignature& o = Other<CmdSetRootSignature>();
        return c.layout == o.layout && c.object == o.object && c.compute == o.compute;
    }
    bool operator()(const CmdSetPipeline& c) const {
        const CmdSetPipeline& o = Other<CmdSetPipeline>();
        return c.pipeline == o.pipeline && c.debug == o.debug;
    }
    // Where in the heap a table starts is compared through the descriptors it reads.
    bool operator()(const CmdSetTable& c) const {
        const CmdSetTable& o = Other<CmdSetTable>();
        return c.parameter == o.parameter && c.heap == o.heap && c.compute == o.compute;
    }
    bool operator()(const CmdSetRootConstants& c) const {
        const CmdSetRootConstants& o = Other<CmdSetRootConstants>();
        return c.parameter == o.parameter && c.firstValue == o.firstValue &&
               c.compute == o.compute && SameItemBytes(c.values, o.values);
    }
    bool operator()(const CmdSetRootView& c) const {
        const CmdSetRootView& o = Other<CmdSetRootView>();
        return c.parameter == o.parameter && c.buffer == o.buffer && c.offset == o.offset &&
               c.compute == o.compute;
    }
    bool operator()(const CmdSetTopology& c) const {
        return c.topology == Other<CmdSetTopology>().topology;
    }
    bool operator()(const CmdSetBlendFactor& c) const {
        return SameBytes(c.factor, Other<CmdSetBlendFactor>().factor);
    }
    bool operator()(const CmdSetStencilRef& c) const {
        return c.reference == Other<CmdSetStencilRef>().reference;
    }
    bool operator()(const CmdDiscard& c) const {
        const CmdDiscard& o = Other<CmdDiscard>();
        return SameUse(c.first, o.first) && c.count == o.count && c.state == o.state;
    }
    bool operator()(const CmdSetVertexBuffers& c) const {
        const CmdSetVertexBuffers& o = Other<CmdSetVertexBuffers>();
        return c.startSlot == o.startSlot && SameItems(c.views, o.views, SameVertexBuffer);
    }
    bool operator()(const CmdSetIndexBuffer& c) const {
        const CmdSetIndexBuffer& o = Other<CmdSetIndexBuffer>();
        return c.buffer == o.buffer && c.offset == o.offset && c.size == o.size &&
               c.format == o.format;
    }
    bool operator()(const CmdDraw& c) const {
        const CmdDraw& o = Other<CmdDraw>();
        return c.vertexCount == o.vertexCount && c.instanceCount == o.instanceCount &&
               c.startVertex == o.startVertex && c.startInstance == o.startInstance &&
               c.indexed == o.indexed && c.startIndex == o.startIndex &&
               c.baseVertex == o.baseVertex;
    }
    template <typename Other> bool operator()(const Other&) const { return false; }
};

// Whether a command's translation may be kept.
struct Keepable {
    bool operator()(const CmdCopyBufferTexture&) const { return false; }
    bool operator()(const CmdCopyTextureTexture&) const { return false; }
    bool operator()(const CmdCopyBuffer&) const { return false; }
    bool operator()(const CmdCopyTextures&) const { return false; }
    bool operator()(const CmdClearUnorderedAccess&) const { return false; }
    bool operator()(const CmdResolve&) const { return false; }
    bool operator()(const CmdDispatch&) const { return false; }
    bool operator()(const CmdQuery&) const { return false; }
    bool operator()(const CmdResolveQueries&) const { return false; }
    bool operator()(const CmdExecuteIndirect&) const { return false; }
    bool operator()(const CmdSetStreamOutput&) const { return false; }
    template <typename Other> bool operator()(const Other&) const { return true; }
};

template <typename T>
bool SameObject(const std::weak_ptr<T>& first, const std::weak_ptr<T>& second) {
    return !first.owner_before(second) && !second.owner_before(first);
}

} // namespace

bool SameCommands(const std::vector<Command>& first, const std::vector<Command>& second) {
    if (first.size() != second.size()) {
        return false;
    }
    for (size_t i = 0; i < first.size(); ++i) {
        if (first[i].index() != second[i].index() ||
            !std::visit(SameCommand{second[i]}, first[i])) {
            return false;
        }
    }
    return true;
}

bool KeepsTranslation(const std::vector<Command>& commands) {
    for (const Command& command : commands) {
        if (!std::visit(Keepable{}, command)) {
            return false;
        }
    }
    return true;
}

bool SameDescriptor(const DescriptorRecord& first, const DescriptorRecord& second) {
    return first.kind == second.kind && SameObject(first.buffer, second.buffer) &&
           first.offset == second.offset && first.size == second.size &&
           first.shape == second.shape && first.texelFormat == second.texelFormat &&
           SameObject(first.counterBuffer, second.counterBuffer) &&
           first.counterOffset == second.counterOffset && SameObject(first.image, second.image) &&
           SameBytes(first.view, second.view) && SameBytes(first.sampler, second.sampler) &&
           SameObject(first.resource, second.resource) && first.format == second.format;
}

void TranslatedList::NoteStates(const std::shared_ptr<const SubresourceStates>& resource) {
    for (const StartStates& start : states) {
        if (start.noted == resource.get()) {
            return;
        }
    }
    states.push_back({resource, resource.get(), resource->Values()});
}

bool TranslatedList::SameInputs(const std::vector<Command>& commands, uint64_t generation) const {
    if (generation != setGeneration) {
        return false;
    }
    for (const StartStates& start : states) {
        std::shared_ptr<const SubresourceStates> now = start.states.lock();
        if (now == nullptr || now->Values() != start.values) {
            return false;
        }
    }
    for (const ImageLayouts& layouts : images) {
        const GpuImage* image = layouts.image;
        if (image->subresources.size() != layouts.before.size()) {
            return false;
        }
        for (size_t i = 0; i < layouts.before.size(); ++i) {
            if (image->subresources[i].layout != layouts.before[i]) {
                return false;
            }
        }
    }
    for (const DescriptorRead& read : descriptors) {
        const CmdSetTable& table = std::get<CmdSetTable>(commands[read.command]);
        const uint64_t index = uint64_t(table.first) + read.binding;
        if (index >= table.heap->records.size() ||
            !SameDescriptor(table.heap->records[index], read.record)) {
            return false;
        }
    }
    return true;
}

bool TranslatedList::HoldUsed(std::vector<std::shared_ptr<const void>>* keepAlive) const {
    for (const std::weak_ptr<const void>& object : used) {
        std::shared_ptr<const void> live = object.lock();
        if (live == nullptr) {
            return false;
        }
        keepAlive->push_back(std::move(live));
    }
    keepAlive->insert(keepAlive->end(), owned.begin(), owned.end());
    return true;
}

void TranslatedList::ApplyEndLayouts() const {
    for (const ImageLayouts& layouts : images) {
        GpuImage* image = layouts.image;
        for (size_t i = 0; i < layouts.after.size(); ++i) {
            image->subresources[i].layout = layouts.after[i];
        }
    }
}

} // namespace d3d12_standin
