// ResolveSubresource at execution: vkCmdResolveImage between the two
// subresources, each moved alone into its transfer layout.
#include "command_translator.h"

namespace d3d12_standin {

void CommandTranslator::operator()(const CmdResolve& command) {
    BeginCopy(command.source, command.destination);
    GpuImage& source = *command.source;
    GpuImage& destination = *command.destination;
    SubresourceRange read{command.sourceMip, 1, command.sourceLayer, 1};
    SubresourceRange written{command.destinationMip, 1, command.destinationLayer, 1};
    VkImageLayout sourceLayout =
        TransitionForUse(source, read, D3D12_RESOURCE_STATE_RESOLVE_SOURCE);
    VkImageLayout destinationLayout =
        TransitionForUse(destination, written, D3D12_RESOURCE_STATE_RESOLVE_DEST);
    RecordBarriers();
    VkImageResolve region{};
    region.srcSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, command.sourceMip, command.sourceLayer, 1};
    region.dstSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, command.destinationMip,
                             command.destinationLayer, 1};
    VkExtent2D extent = MipExtent(source, command.sourceMip);
    region.extent = {extent.width, extent.height, 1};
    vkCmdResolveImage(commands_, source.image, sourceLayout, destination.image, destinationLayout,
                      1, &region);
}

} // namespace d3d12_standin
