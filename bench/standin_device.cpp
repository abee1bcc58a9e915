#include "standin_device.h"

#include <dxgi_bridge.h>

namespace bench {

std::string StandinDeviceName(ID3D12CommandQueue* queue) {
    d3d12_standin::QueueAccess access{};
    if (queue == nullptr || !d3d12_standin::GetQueueAccess(queue, &access)) {
        return "unknown";
    }
    VkPhysicalDeviceProperties properties;
    vkGetPhysicalDeviceProperties(access.physicalDevice, &properties);
    return properties.deviceName;
}

} // namespace bench
