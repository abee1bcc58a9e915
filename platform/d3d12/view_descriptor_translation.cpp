// Shader-resource and unordered-access views at draws. Each descriptor of a
// table has one Vulkan binding per shape a shader may read it through (an
// image, a texel buffer, a storage buffer): the view's own shape is written
// (and a typed buffer view's bytes as the storage buffer a tbuffer reads),
// the others null where the device binds null descriptors.
#include "command_translator.h"

#include "descriptor_set_cache.h"
#include "state_translation.h"

namespace d3d12_standin {
namespace {

// A tbuffer reads its registers from the elements of the typed buffer view
// in its t register; its block is read as a storage buffer over the view's
// bytes.
bool ReadsTypedBufferAsBlock(const TableBinding& binding, const DescriptorRecord& record,
                             dxbc::ResourceShape shape) {
    return binding.rangeType == D3D12_DESCRIPTOR_RANGE_TYPE_SRV &&
           shape == dxbc::ResourceShape::StorageBuffer &&
           record.shape == dxbc::ResourceShape::TexelBuffer;
}

} // namespace

void CommandTranslator::AddViewOfShape(const TableBinding& binding, dxbc::ResourceShape shape,
                                       const DescriptorRecord& record, const ViewedObjects& viewed,
                                       SetContent* content) {
    const VkDescriptorType type = TypeForRange(binding.rangeType, shape);
    const uint32_t vulkanBinding = TableVulkanBinding(binding.binding, shape);
    const bool own = (viewed.image != nullptr || viewed.buffer != nullptr) &&
                     (record.shape == shape || ReadsTypedBufferAsBlock(binding, record, shape));
    content->key.push_back(own ? uint64_t(shape) + 1 : 0);
    if (shape == dxbc::ResourceShape::Plain) {
        VkDescriptorImageInfo info{};
        if (own) {
            const ImageViewKey& view = record.view;
            info.imageView = viewed.image->View(view);
            // The draw moved the view's subresources into the first one's layout.
            info.imageLayout = viewed.image->Subresource(view.baseMip, view.baseLayer).layout;
            content->key.insert(content->key.end(),
                                {viewed.image->id, uint64_t(view.format), view.baseMip,
                                 view.mipCount, view.baseLayer, view.layerCount,
                                 uint64_t(view.type), uint64_t(info.imageLayout),
                                 uint64_t(view.aspect) | uint64_t(view.swizzle) << 32});
        }
        content->AddImage(vulkanBinding, type, info);
        return;
    }
    if (own) {
        content->key.insert(content->key.end(), {viewed.buffer->id, uint64_t(record.texelFormat),
                                                 record.offset, record.size});
    }
    if (shape == dxbc::ResourceShape::TexelBuffer) {
        content->AddTexelBuffer(
            vulkanBinding, type,
            own ? viewed.buffer->View(record.texelFormat, record.offset, record.size)
                : VK_NULL_HANDLE);
        return;
    }
    VkDescriptorBufferInfo info{own ? viewed.buffer->buffer : VK_NULL_HANDLE,
                                own ? record.offset : 0, own ? record.size : VK_WHOLE_SIZE};
    content->AddBuffer(vulkanBinding, type, info);
}

// The counter of an unordered-access view: the 4 bytes of its counter
// resource, or a null descriptor for a view without one.
void CommandTranslator::AddCounter(const TableBinding& binding, const DescriptorRecord& record,
                                   bool live, bool nullDescriptors, SetContent* content) {
    std::shared_ptr<GpuBuffer> counter = live ? record.counterBuffer.lock() : nullptr;
    if (counter == nullptr && !nullDescriptors) {
        return;
    }
    KeepUntilFinished(counter);
    const uint64_t size = sizeof(uint32_t);
    content->key.insert(content->key.end(),
                        {counter != nullptr ? counter->id : 0, record.counterOffset});
    VkDescriptorBufferInfo info{counter != nullptr ? counter->buffer : VK_NULL_HANDLE,
                                counter != nullptr ? record.counterOffset : 0,
                                counter != nullptr ? size : VK_WHOLE_SIZE};
    content->AddBuffer(TableVulkanBinding(binding.binding, dxbc::ResourceShape::Counter),
                       VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, info);
}

bool CommandTranslator::AddViewDescriptors(const TableBinding& binding,
                                           const DescriptorRecord& record, SetContent* content) {
    const bool unordered = binding.rangeType == D3D12_DESCRIPTOR_RANGE_TYPE_UAV;
    const DescriptorKind kind =
        unordered ? DescriptorKind::UnorderedAccess : DescriptorKind::ShaderResource;
    ViewedObjects viewed;
    if (record.kind == kind) {
        viewed.image = record.image.lock();
        viewed.buffer = record.buffer.lock();
    }
    const bool nullDescriptors = core_.context->features.nullDescriptor;
    if (viewed.image == nullptr && viewed.buffer == nullptr && !nullDescriptors) {
        SkipCommand(unordered
                        ? "a table holds no live unordered-access view where the shader uses one"
                        : "a table holds no live shader-resource view where the shader reads one");
        return false;
    }
    KeepUntilFinished(viewed.image);
    KeepUntilFinished(viewed.buffer);
    content->key.push_back(binding.binding);
    for (uint32_t shape = 0; shape < dxbc::kViewShapes; ++shape) {
        // Without null descriptors only the view's own shape can be written;
        // a shader that reads another finds its binding unwritten.
        if (nullDescriptors || uint32_t(record.shape) == shape ||
            ReadsTypedBufferAsBlock(binding, record, dxbc::ResourceShape(shape))) {
            AddViewOfShape(binding, dxbc::ResourceShape(shape), record, viewed, content);
        }
    }
    if (unordered) {
        AddCounter(binding, record, record.kind == kind, nullDescriptors, content);
    }
    return true;
}

} // namespace d3d12_standin
