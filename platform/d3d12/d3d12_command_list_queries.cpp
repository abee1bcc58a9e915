// BeginQuery, EndQuery and ResolveQueryData: the debug layer's checks, then
// query commands.
#include "d3d12_command_list.h"

#include "d3d12_query_heap.h"
#include "d3d12_resource.h"
#include "debug_text.h"

#include <debug_messages.h>

#include <string>

namespace d3d12_standin {
namespace {

constexpr uint64_t kResultSize = sizeof(UINT64);

// The heap type that holds queries of `type`; the others are not translated.
bool HeapHolds(D3D12_QUERY_HEAP_TYPE heap, D3D12_QUERY_TYPE type) {
    switch (type) {
    case D3D12_QUERY_TYPE_OCCLUSION:
    case D3D12_QUERY_TYPE_BINARY_OCCLUSION:
        return heap == D3D12_QUERY_HEAP_TYPE_OCCLUSION;
    case D3D12_QUERY_TYPE_TIMESTAMP:
        return heap == D3D12_QUERY_HEAP_TYPE_TIMESTAMP;
    default:
        return false;
    }
}

// Why `index` of `heap` is no query of `type`, or null when it is.
const char* QueryProblem(D3D12QueryHeap* heap, D3D12_QUERY_TYPE type, UINT index) {
    if (heap == nullptr) {
        return "pQueryHeap must be a valid query heap";
    }
    if (!HeapHolds(heap->Pool()->type, type)) {
        return "the query type does not match the query heap's type";
    }
    if (index >= heap->Pool()->count) {
        return "the query index is out of the query heap's range";
    }
    return nullptr;
}

std::string HeapText(const ID3D12QueryHeap* heap) {
    return ObjectText(heap, "", "ID3D12QueryHeap");
}

// Why a resolve of `count` queries into `buffer` at `offset` is invalid, or null.
const char* ResolveProblem(D3D12QueryHeap* heap, D3D12_QUERY_TYPE type, UINT first, UINT count,
                           D3D12Resource* buffer, UINT64 offset) {
    if (heap == nullptr) {
        return "pQueryHeap must be a valid query heap";
    }
    if (!HeapHolds(heap->Pool()->type, type)) {
        return "the query type does not match the query heap's type";
    }
    if (first > heap->Pool()->count || count > heap->Pool()->count - first) {
        return "StartIndex and NumQueries reach past the end of the query heap";
    }
    if (buffer == nullptr || buffer->Buffer() == nullptr) {
        return "pDestinationBuffer must be a buffer";
    }
    if (offset % kResultSize != 0) {
        return "AlignedDestinationBufferOffset must be a multiple of 8";
    }
    uint64_t size = buffer->Buffer()->size;
    if (offset > size || uint64_t(count) * kResultSize > size - offset) {
        return "the results would write past the end of pDestinationBuffer";
    }
    return nullptr;
}

} // namespace

bool D3D12GraphicsCommandList::CheckQuery(const char* method, ID3D12QueryHeap* queryHeap,
                                          D3D12_QUERY_TYPE type, UINT index) {
    const char* problem = QueryProblem(D3D12QueryHeap::FromInterface(queryHeap), type, index);
    if (problem == nullptr && std::string(method) == "BeginQuery" &&
        type == D3D12_QUERY_TYPE_TIMESTAMP) {
        problem = "timestamp queries are only ended, never begun";
    }
    if (problem != nullptr) {
        std::string call = std::string("ID3D12GraphicsCommandList::") + method;
        standin::ReportWindows(standin::messages::BEGIN_END_QUERY_INVALID_PARAMETERS, Self(),
                               call.c_str(), problem);
        MarkFailed();
        return false;
    }
    return true;
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::BeginQuery(ID3D12QueryHeap* queryHeap,
                                                            D3D12_QUERY_TYPE type, UINT index) {
    if (!Recording() || !CheckQuery("BeginQuery", queryHeap, type, index)) {
        return;
    }
    const std::shared_ptr<GpuQueryPool>& pool = D3D12QueryHeap::FromInterface(queryHeap)->Pool();
    if (activeQueries_.count({pool.get(), index}) != 0) {
        standin::ReportWindows(standin::messages::BEGIN_END_QUERY_INVALID_PARAMETERS, Self(),
                               "ID3D12GraphicsCommandList::BeginQuery",
                               "the query is already active");
        MarkFailed();
        return;
    }
    // Vulkan lets one occlusion query be active at a time in a command buffer.
    if (!activeQueries_.empty()) {
        Fail("BeginQuery", "the stand-in runs one occlusion query at a time");
        return;
    }
    activeQueries_[{pool.get(), index}] = {type, queryHeap};
    commands_.push_back(CmdQuery{pool, type, index, true});
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::EndQuery(ID3D12QueryHeap* queryHeap,
                                                          D3D12_QUERY_TYPE type, UINT index) {
    if (!Recording() || !CheckQuery("EndQuery", queryHeap, type, index)) {
        return;
    }
    const std::shared_ptr<GpuQueryPool>& pool = D3D12QueryHeap::FromInterface(queryHeap)->Pool();
    if (type != D3D12_QUERY_TYPE_TIMESTAMP) {
        auto active = activeQueries_.find({pool.get(), index});
        if (active == activeQueries_.end() || active->second.first != type) {
            standin::ReportWindows(standin::messages::BEGIN_END_QUERY_INVALID_PARAMETERS, Self(),
                                   "ID3D12GraphicsCommandList::EndQuery",
                                   "the query was not begun with this type in this command list");
            MarkFailed();
            return;
        }
        activeQueries_.erase(active);
    }
    commands_.push_back(CmdQuery{pool, type, index, false});
}

// Reports queries begun and never ended; true when there are none.
bool D3D12GraphicsCommandList::CheckNoActiveQuery() {
    for (const auto& [query, begun] : activeQueries_) {
        standin::ReportWindows(standin::messages::CLOSE_COMMAND_LIST_OPEN_QUERY, Self(),
                               "ID3D12GraphicsCommandList::Close", query.second,
                               HeapText(begun.second).c_str());
    }
    return activeQueries_.empty();
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ResolveQueryData(ID3D12QueryHeap* queryHeap,
                                                                  D3D12_QUERY_TYPE type, UINT first,
                                                                  UINT count,
                                                                  ID3D12Resource* destination,
                                                                  UINT64 offset) {
    if (!Recording()) {
        return;
    }
    D3D12QueryHeap* heap = D3D12QueryHeap::FromInterface(queryHeap);
    D3D12Resource* buffer = D3D12Resource::FromInterface(destination);
    if (const char* problem = ResolveProblem(heap, type, first, count, buffer, offset)) {
        standin::ReportWindows(standin::messages::RESOLVE_QUERY_DATA_INVALID_PARAMETERS, Self(),
                               "ID3D12GraphicsCommandList::ResolveQueryData", problem);
        MarkFailed();
        return;
    }
    if (count == 0) {
        return;
    }
    CmdResolveQueries resolve{heap->Pool(),
                              type,
                              first,
                              count,
                              buffer->Buffer(),
                              offset,
                              CopyUses{"ResolveQueryData", {}, {}},
                              queryHeap};
    resolve.uses.destination = {buffer->Track(), 0, DXGI_FORMAT_UNKNOWN};
    commands_.push_back(std::move(resolve));
}

} // namespace d3d12_standin
