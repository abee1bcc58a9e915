// A draw's descriptor sets reused from the draw before it. Sets are made from
// what the tables' descriptors hold when the list executes, so the last
// draw's sets serve any later draw, in this list or another, whose tables
// hold the same descriptors, whichever slots of the heap they sit in.
#include "command_translator.h"

#include "descriptor_set_cache.h"
#include "translated_list.h"

namespace d3d12_standin {
namespace {

template <typename T>
bool SameObject(const std::weak_ptr<T>& first, const std::weak_ptr<T>& second) {
    return !first.owner_before(second) && !second.owner_before(first);
}

} // namespace

bool CommandTranslator::SameTablesAsLastDraw(const RootSignatureLayout& layout) {
    if (lastSets_.layout.get() != &layout ||
        lastSets_.cacheGeneration != core_.descriptorSets->Generation()) {
        return false;
    }
    bool sameSlots = lastSets_.keptByThisList;
    for (size_t i = 0; i < lastSets_.heaps.size() && sameSlots; ++i) {
        const CmdSetTable* table = arguments_->tables.Find(uint32_t(i));
        sameSlots = table != nullptr && table->heap == lastSets_.heaps[i] &&
                    table->first == lastSets_.firsts[i];
    }
    if (sameSlots) {
        return true; // descriptors do not change while the list executes
    }
    if (!SameDescriptorsAsLastDraw(layout) ||
        (!lastSets_.keptByThisList && !KeepLastSetsObjects())) {
        return false;
    }
    for (size_t i = 0; i < lastSets_.firsts.size(); ++i) {
        lastSets_.firsts[i] = arguments_->tables.Find(uint32_t(i))->first;
    }
    return true;
}

bool CommandTranslator::SameDescriptorsAsLastDraw(const RootSignatureLayout& layout) const {
    size_t remembered = 0;
    for (size_t i = 0; i < layout.parameters.size(); ++i) {
        const CmdSetTable* table = arguments_->tables.Find(uint32_t(i));
        if (table == nullptr || table->heap != lastSets_.heaps[i]) {
            return false;
        }
        for (const TableBinding& binding : layout.parameters[i].bindings) {
            const uint64_t index = uint64_t(table->first) + binding.binding;
            if (index >= table->heap->records.size() ||
                !SameDescriptor(table->heap->records[index], lastSets_.records[remembered++])) {
                return false;
            }
        }
    }
    return true;
}

bool CommandTranslator::KeepLastSetsObjects() {
    // True where the object is still there, or was never set.
    auto keep = [this](const auto& object) {
        auto live = object.lock();
        KeepUntilFinished(live);
        return live != nullptr || SameObject(object, std::decay_t<decltype(object)>{});
    };
    for (const DescriptorRecord& record : lastSets_.records) {
        if (!keep(record.buffer) || !keep(record.image) || !keep(record.counterBuffer)) {
            return false;
        }
    }
    for (const std::shared_ptr<const DescriptorStorage>& heap : lastSets_.heaps) {
        KeepUntilFinished(heap);
    }
    lastSets_.keptByThisList = true;
    return true;
}

// Sets that read no textures and no root arguments are kept for later draws:
// a texture's layout, which its descriptor holds, may differ in a later list.
void CommandTranslator::RememberSets(const std::shared_ptr<RootSignatureLayout>& layout,
                                     const std::vector<VkDescriptorSet>& sets) {
    lastSets_.heaps.clear();
    lastSets_.firsts.clear();
    lastSets_.records.clear();
    for (size_t i = 0; i < layout->parameters.size(); ++i) {
        const CmdSetTable& table = *arguments_->tables.Find(uint32_t(i));
        lastSets_.heaps.push_back(table.heap);
        lastSets_.firsts.push_back(table.first);
        for (const TableBinding& binding : layout->parameters[i].bindings) {
            const DescriptorRecord& record = table.heap->records[table.first + binding.binding];
            if (!record.image.expired()) {
                return;
            }
            lastSets_.records.push_back(record);
        }
    }
    lastSets_.layout = layout;
    lastSets_.sets = sets;
    lastSets_.cacheGeneration = core_.descriptorSets->Generation();
    lastSets_.keptByThisList = true;
}

} // namespace d3d12_standin
