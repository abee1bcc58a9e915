#include "d3d12_command_queue.h"

#include "command_translator.h"
#include "d3d12_command_allocator.h"
#include "d3d12_command_list.h"
#include "d3d12_device.h"
#include "d3d12_fence.h"
#include "debug_layer.h"
#include "debug_text.h"
#include "descriptor_set_cache.h"
#include "submission_queue.h"
#include "testing_counters.h"
#include "translated_list.h"

#include <debug_messages.h>
#include <vulkan_check.h>

#include <algorithm>
#include <cstdio>

namespace d3d12_standin {
namespace {

// Lists still open or whose Close failed are not executed, as on Windows
// (where executing them removes the device).
bool Executable(D3D12GraphicsCommandList* list, ID3D12CommandList* given, UINT index) {
    using namespace standin::messages;
    constexpr const char* kMethod = "ID3D12CommandQueue::ExecuteCommandLists";
    if (list == nullptr) {
        standin::Report(NOT_A_STANDIN_COMMAND_LIST, given, kMethod,
                        "list %u is not a stand-in command list; skipped", index);
        return false;
    }
    const bool open = list->IsRecording();
    if (open || list->Failed()) {
        const std::string text = ObjectText(given, "", "ID3D12GraphicsCommandList");
        standin::ReportWindows(open ? EXECUTECOMMANDLISTS_OPENCOMMANDLIST
                                    : EXECUTECOMMANDLISTS_FAILEDCOMMANDLIST,
                               given, kMethod, text.c_str(), index);
        return false;
    }
    return true;
}

// The stand-in fence behind `fence`, or null (refused, naming `method`).
D3D12Fence* FenceOf(ID3D12Fence* fence, const char* method) {
    D3D12Fence* standin = D3D12Fence::FromInterface(fence);
    if (standin == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, method, "not a stand-in fence");
    }
    return standin;
}

} // namespace

D3D12CommandQueue::D3D12CommandQueue(D3D12Device* device, const D3D12_COMMAND_QUEUE_DESC& desc)
    : LiveDeviceChild(device), desc_(desc),
      translator_(std::make_unique<CommandTranslator>(device->Core())),
      executed_(std::make_unique<ExecutedList>()) {}

D3D12CommandQueue::~D3D12CommandQueue() = default;

bool D3D12CommandQueue::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12CommandQueue;
}

void STDMETHODCALLTYPE D3D12CommandQueue::ExecuteCommandLists(UINT count,
                                                              ID3D12CommandList* const* lists) {
    if (count > 0 && lists == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12CommandQueue::ExecuteCommandLists", "no list array");
        return;
    }
    DeviceCore& core = Device()->Core();
    std::lock_guard lock(core.submissions.Mutex());
    if (Device()->Removed()) {
        return; // a removed device runs nothing more
    }
    if (core.descriptorSets->WantsReset()) {
        // Sets may only be freed once no pending work uses them.
        core.submissions.WaitFor(core.submissions.LastSubmitted());
        core.descriptorSets->Reset();
    }
    for (UINT i = 0; i < count; ++i) {
        D3D12GraphicsCommandList* list = D3D12GraphicsCommandList::FromInterface(lists[i]);
        if (!Executable(list, lists[i], i)) {
            continue;
        }
        SubmitBatch batch = core.submissions.NewBatch();
        std::shared_ptr<TranslatedList> kept;
        if (!PrepareList(*list, lists[i], &batch, &kept)) {
            continue;
        }
        uint64_t serial = core.submissions.Submit(std::move(batch));
        if (serial == 0) {
            continue;
        }
        if (kept != nullptr) {
            kept->lastSerial = serial;
        }
        std::vector<std::shared_ptr<ResourceTrack>>& used = usedResources_;
        if (DebugLayerEnabled()) {
            NoteSubmitted(used, serial, static_cast<ID3D12CommandQueue*>(this));
        }
        if (list->Allocator() != nullptr) {
            list->Allocator()->NoteSubmission(serial);
        }
        used.clear();
        ++executedLists_;
        CountExecutedCommandLists(1);
        CountExecutedDraws(draws_);
    }
    usedResources_.clear(); // nothing of the lists is held after them
}

bool D3D12CommandQueue::PrepareList(D3D12GraphicsCommandList& list, ID3D12CommandList* given,
                                    SubmitBatch* batch, std::shared_ptr<TranslatedList>* kept) {
    batch->fromList = true;
    *kept = FindKept(list, &batch->keepAlive);
    if (*kept != nullptr) {
        RunKept(list, given, *kept, batch);
        return true;
    }
    return Translate(list, given, batch, kept);
}

// The first kept translation that equals, in everything it read, what
// translating the list now would read, and whose buffer is not pending.
std::shared_ptr<TranslatedList>
D3D12CommandQueue::FindKept(D3D12GraphicsCommandList& list,
                            std::vector<std::shared_ptr<const void>>* keepAlive) {
    SubmissionQueue& submissions = Device()->Core().submissions;
    const uint64_t setGeneration = Device()->Core().descriptorSets->Generation();
    std::vector<std::shared_ptr<TranslatedList>>& translations = list.Translations();
    for (auto it = translations.begin(); it != translations.end(); ++it) {
        TranslatedList& translation = **it;
        if (translation.translator != translator_.get() ||
            (translation.recording != list.RecordingNumber() &&
             !SameCommands(translation.source, list.Commands())) ||
            !submissions.Finished(translation.lastSerial)) {
            continue;
        }
        if (!translation.HoldUsed(keepAlive) ||
            !translation.SameInputs(list.Commands(), setGeneration)) {
            keepAlive->clear();
            continue;
        }
        std::rotate(translations.begin(), it, it + 1); // the latest first
        return translations.front();
    }
    return nullptr;
}

// The pass over the commands moves and checks the states as at any
// execution; the images are left in the layouts the kept buffer leaves them.
void D3D12CommandQueue::RunKept(D3D12GraphicsCommandList& list, ID3D12CommandList* given,
                                const std::shared_ptr<TranslatedList>& kept, SubmitBatch* batch) {
    executed_->Start(given);
    for (const Command& command : list.Commands()) {
        executed_->Follow(command);
    }
    executed_->Finish(&usedResources_);
    kept->ApplyEndLayouts();
    kept->recording = list.RecordingNumber();
    batch->commands = kept->commands;
    batch->keepAlive.push_back(kept);
    draws_ = kept->draws;
    CountTranslatedWork(kept->barriers, kept->renderPasses);
    CountReusedTranslation();
}

bool D3D12CommandQueue::Translate(D3D12GraphicsCommandList& list, ID3D12CommandList* given,
                                  SubmitBatch* batch, std::shared_ptr<TranslatedList>* kept) {
    constexpr size_t kKeptPerList = 4;
    DeviceCore& core = Device()->Core();
    const bool keep = KeepsTranslation(list.Commands());
    batch->commands = core.submissions.BeginCommands(keep);
    if (batch->commands == VK_NULL_HANDLE) {
        return false;
    }
    if (keep) {
        *kept = std::make_shared<TranslatedList>(core.submissions.Returns(), batch->commands);
        (*kept)->recording = list.RecordingNumber();
        (*kept)->setGeneration = core.descriptorSets->Generation();
        batch->keepAlive.push_back(*kept); // the buffer goes back once this has run
    } else {
        batch->ownsCommands = true;
    }
    // The states move once per command, then the translator carries the
    // command out from them.
    executed_->Start(given, kept->get());
    translator_->StartList(batch->commands, &batch->keepAlive, kept->get());
    for (const Command& command : list.Commands()) {
        translator_->Translate(command, executed_->Follow(command));
    }
    translator_->Finish();
    executed_->Finish(&usedResources_);
    VK_CHECK(vkEndCommandBuffer(batch->commands));
    draws_ = translator_->Draws();
    if (*kept != nullptr && (*kept)->complete) {
        (*kept)->source = list.Commands();
        std::vector<std::shared_ptr<TranslatedList>>& translations = list.Translations();
        translations.insert(translations.begin(), *kept);
        if (translations.size() > kKeptPerList) {
            translations.pop_back();
        }
    }
    return true;
}

HRESULT STDMETHODCALLTYPE D3D12CommandQueue::Signal(ID3D12Fence* fence, UINT64 value) {
    D3D12Fence* standin = FenceOf(fence, "ID3D12CommandQueue::Signal");
    if (standin == nullptr) {
        return E_INVALIDARG;
    }
    if (Device()->Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    std::lock_guard lock(Device()->Core().submissions.Mutex());
    if (!standin->ClaimQueueSignal(value)) {
        return S_OK; // the fence already has (or is about to reach) this value
    }
    return SubmitFencePoint(*standin, value, FencePoint::Signal);
}

HRESULT STDMETHODCALLTYPE D3D12CommandQueue::Wait(ID3D12Fence* fence, UINT64 value) {
    D3D12Fence* standin = FenceOf(fence, "ID3D12CommandQueue::Wait");
    if (standin == nullptr) {
        return E_INVALIDARG;
    }
    if (Device()->Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    std::lock_guard lock(Device()->Core().submissions.Mutex());
    return SubmitFencePoint(*standin, value, FencePoint::Wait);
}

HRESULT D3D12CommandQueue::SubmitFencePoint(D3D12Fence& fence, uint64_t value, FencePoint point) {
    if (point == FencePoint::Wait) {
        fence.NoteQueueWait(value);
    }
    std::shared_ptr<TimelineSemaphore> timeline = fence.Timeline();
    SubmitBatch batch = Device()->Core().submissions.NewBatch();
    (point == FencePoint::Signal ? batch.signals : batch.waits)
        .push_back(SemaphorePoint(timeline->semaphore, value));
    batch.keepAlive.push_back(std::move(timeline));
    return Device()->Core().submissions.Submit(std::move(batch)) != 0 ? S_OK : E_FAIL;
}

void STDMETHODCALLTYPE D3D12CommandQueue::UpdateTileMappings(
    ID3D12Resource*, UINT, const D3D12_TILED_RESOURCE_COORDINATE*, const D3D12_TILE_REGION_SIZE*,
    ID3D12Heap*, UINT, const D3D12_TILE_RANGE_FLAGS*, const UINT*, const UINT*,
    D3D12_TILE_MAPPING_FLAGS) {
    STANDIN_NOT_IMPLEMENTED("ID3D12CommandQueue::UpdateTileMappings");
}

void STDMETHODCALLTYPE D3D12CommandQueue::CopyTileMappings(ID3D12Resource*,
                                                           const D3D12_TILED_RESOURCE_COORDINATE*,
                                                           ID3D12Resource*,
                                                           const D3D12_TILED_RESOURCE_COORDINATE*,
                                                           const D3D12_TILE_REGION_SIZE*,
                                                           D3D12_TILE_MAPPING_FLAGS) {
    STANDIN_NOT_IMPLEMENTED("ID3D12CommandQueue::CopyTileMappings");
}

// Timestamp queries count Vulkan ticks of timestampPeriod nanoseconds each.
HRESULT STDMETHODCALLTYPE D3D12CommandQueue::GetTimestampFrequency(UINT64* frequency) {
    if (frequency == nullptr) {
        return E_INVALIDARG;
    }
    double period = Device()->Context()->properties.limits.timestampPeriod;
    *frequency = period > 0 ? UINT64(1e9 / period + 0.5) : 0;
    return period > 0 ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE D3D12CommandQueue::GetClockCalibration(UINT64*, UINT64*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12CommandQueue::GetClockCalibration");
    return E_NOTIMPL;
}

} // namespace d3d12_standin
