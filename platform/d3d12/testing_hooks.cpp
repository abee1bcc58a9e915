#include "testing_counters.h"

#include "d3d12_command_queue.h"
#include "hang_watch.h"

#include <com_object.h>
#include <platform_testing/d3d12.h>

#include <atomic>

namespace d3d12_standin {
namespace {

std::atomic<int> g_refusals[6];
std::atomic<uint64_t> g_executedLists{0};
std::atomic<uint64_t> g_executedDraws{0};
std::atomic<uint64_t> g_blockingWaits{0};
std::atomic<uint64_t> g_barriers{0}, g_renderPasses{0};
std::atomic<uint64_t> g_reusedTranslations{0};

void Refuse(Refusal kind, int n) {
    g_refusals[int(kind)] = n > 0 ? n : 0;
}

} // namespace

bool ConsumeRefusal(Refusal kind) {
    std::atomic<int>& pending = g_refusals[int(kind)];
    int current = pending.load();
    while (current > 0) {
        if (pending.compare_exchange_weak(current, current - 1)) {
            return true;
        }
    }
    return false;
}

void CountExecutedCommandLists(uint64_t count) {
    g_executedLists += count;
}
void CountExecutedDraws(uint64_t count) {
    g_executedDraws += count;
}
void CountBlockingFenceWait() {
    ++g_blockingWaits;
}
void CountTranslatedWork(uint64_t barriers, uint64_t renderPasses) {
    g_barriers += barriers;
    g_renderPasses += renderPasses;
}
void CountReusedTranslation() {
    ++g_reusedTranslations;
}

} // namespace d3d12_standin

namespace platform_testing {

using d3d12_standin::Refusal;

void RefuseNextDeviceCreations(int n) {
    d3d12_standin::Refuse(Refusal::Device, n);
}
void RefuseNextCommittedResources(int n) {
    d3d12_standin::Refuse(Refusal::CommittedResource, n);
}
void RefuseNextDescriptorHeaps(int n) {
    d3d12_standin::Refuse(Refusal::DescriptorHeap, n);
}
void RefuseNextMaps(int n) {
    d3d12_standin::Refuse(Refusal::Map, n);
}
void RefuseNextRootSignatures(int n) {
    d3d12_standin::Refuse(Refusal::RootSignature, n);
}
void RefuseNextPipelineStates(int n) {
    d3d12_standin::Refuse(Refusal::PipelineState, n);
}
void ClearRefusals() {
    for (auto& pending : d3d12_standin::g_refusals) {
        pending = 0;
    }
}

uint64_t ExecutedCommandLists(ID3D12CommandQueue* queue) {
    d3d12_standin::D3D12CommandQueue* standin =
        d3d12_standin::D3D12CommandQueue::FromInterface(queue);
    return standin != nullptr ? standin->ExecutedLists() : 0;
}
uint64_t TotalExecutedCommandLists() {
    return d3d12_standin::g_executedLists.load();
}
uint64_t ExecutedDraws() {
    return d3d12_standin::g_executedDraws.load();
}
uint64_t BlockingFenceWaits() {
    return d3d12_standin::g_blockingWaits.load();
}
uint64_t TranslatedBarriers() {
    return d3d12_standin::g_barriers.load();
}
uint64_t TranslatedRenderPasses() {
    return d3d12_standin::g_renderPasses.load();
}
uint64_t ReusedTranslations() {
    return d3d12_standin::g_reusedTranslations.load();
}
void SetDeviceHangTimeout(uint32_t milliseconds) {
    d3d12_standin::SetHangTimeout(std::chrono::milliseconds(milliseconds));
}
long LiveObjects() {
    return standin::g_liveComObjects.load();
}

} // namespace platform_testing
