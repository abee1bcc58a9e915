// Barriers gathered between two pieces of GPU work and recorded as one
// vkCmdPipelineBarrier2. Barriers are gathered per subresource; two on one
// subresource merge into one, since barriers within a single call are not
// ordered against each other, and neighbouring subresources that move
// alike are recorded as one range.
#pragma once

#include "gpu_objects.h"
#include "state_translation.h"

#include <vector>

namespace d3d12_standin {

class BarrierBatch {
public:
    // Mip `mip` of layer `layer` moves from the layout it is in to `layout`;
    // the work done as `before` finishes, and its writes are visible, before
    // work done as `after`.
    void AddImage(GpuImage& image, uint32_t mip, uint32_t layer, const StateUse& before,
                  const StateUse& after, VkImageLayout layout);
    void AddMemory(const StateUse& before, const StateUse& after);
    bool Empty() const { return images_.empty() && !memory_; }
    // Records what was gathered (if anything) and starts a new batch.
    void Record(VkCommandBuffer commands);
    uint64_t Recorded() const { return recorded_; }
    // Empties it for the next list, keeping its storage.
    void Clear() {
        images_.clear();
        memory_ = false;
        recorded_ = 0;
    }

private:
    // Joins neighbours whose ranges continue each other along mips (or layers).
    void Coalesce(bool alongMips);

    std::vector<VkImageMemoryBarrier2> images_;
    bool memory_ = false;
    VkMemoryBarrier2 memoryBarrier_{};
    uint64_t recorded_ = 0;
};

} // namespace d3d12_standin
