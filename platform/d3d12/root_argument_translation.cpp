// Root constants and root views at a draw: each root parameter of the kind
// is a set with one buffer descriptor at binding 0, where the shader's
// register maps (root_signature_layout.cpp).
#include "command_translator.h"

#include "descriptor_set_cache.h"
#include "translated_list.h"

#include <algorithm>

namespace d3d12_standin {
namespace {

// The largest constant buffer Direct3D 12 addresses: 4096 sixteen-byte registers.
constexpr uint64_t kMaxConstantBufferBytes = 65536;

} // namespace

void CommandTranslator::operator()(const CmdSetRootConstants& command) {
    std::vector<uint32_t>& values = ArgumentsOf(command.compute).constants[command.parameter];
    const size_t end = size_t(command.firstValue) + command.values.size();
    if (values.size() < end) {
        values.resize(end, 0u);
    }
    std::copy(command.values.begin(), command.values.end(), values.begin() + command.firstValue);
}

bool CommandTranslator::AddRootArgument(uint32_t index, const RootParameterLayout& parameter,
                                        SetContent* content) {
    const dxbc::RootParameter& source = pipeline_->rootSignature->desc.parameters[index];
    const VkPhysicalDeviceLimits& limits = core_.context->properties.limits;
    VkDescriptorType type = VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER;
    std::shared_ptr<GpuBuffer> buffer;
    uint64_t offset = 0, range = 0;
    if (parameter.type == D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS) {
        // Values never set read as 0.
        std::vector<uint32_t> values(std::max(source.constants.Num32BitValues, 1u), 0u);
        auto set = arguments_->constants.find(index);
        if (set != arguments_->constants.end()) {
            std::copy_n(set->second.begin(), std::min(set->second.size(), values.size()),
                        values.begin());
        }
        range = values.size() * sizeof(uint32_t);
        if (!constantUploads_.Write(values.data(), size_t(range), &buffer, &offset)) {
            SkipCommand("root constants could not be written to host-visible memory");
            return false;
        }
        if (keptList_ != nullptr &&
            (keptList_->owned.empty() || keptList_->owned.back() != buffer)) {
            keptList_->owned.push_back(buffer); // the kept buffer reads these values again
        }
    } else {
        auto view = arguments_->views.find(index);
        if (view == arguments_->views.end()) {
            SkipCommand("a draw has a root view that was never set");
            return false;
        }
        const bool uniform = parameter.type == D3D12_ROOT_PARAMETER_TYPE_CBV;
        type = uniform ? VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER : VK_DESCRIPTOR_TYPE_STORAGE_BUFFER;
        buffer = view->second.buffer;
        offset = view->second.offset;
        const uint64_t alignment = uniform ? limits.minUniformBufferOffsetAlignment
                                           : limits.minStorageBufferOffsetAlignment;
        if (offset % alignment != 0) {
            SkipCommand("a root view's address is less aligned than this Vulkan device needs");
            return false;
        }
        range = std::min<uint64_t>(
            buffer->size - offset,
            uniform ? std::min<uint64_t>(kMaxConstantBufferBytes, limits.maxUniformBufferRange)
                    : limits.maxStorageBufferRange);
    }
    KeepUntilFinished(buffer);
    content->key.insert(content->key.end(), {4, buffer->id, offset, range});
    content->AddBuffer(0, type, VkDescriptorBufferInfo{buffer->buffer, offset, range});
    return true;
}

} // namespace d3d12_standin
