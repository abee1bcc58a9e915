// The hidden counter of a structured unordered-access view: the uint at
// CounterOffsetInBytes in the counter resource, which Append and
// IncrementCounter advance and the application reads back like any buffer;
// the debug layer's checks of the counter resource and its offset.
#include "buffer_access_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <algorithm>
#include <string>

namespace {

constexpr UINT kThreads = 8;
constexpr UINT kElements = 16;
constexpr UINT64 kCounterOffset = D3D12_UAV_COUNTER_PLACEMENT_ALIGNMENT;

constexpr char kShader[] = R"hlsl(
#define RS "DescriptorTable(UAV(u0, numDescriptors = 2))"
AppendStructuredBuffer<uint> queue : register(u0);
RWStructuredBuffer<uint> tickets : register(u1);
[RootSignature(RS)]
[numthreads(8, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID) {
    queue.Append(100 + id.x);
    tickets[id.x] = tickets.IncrementCounter();
}
)hlsl";

class UavCounterTest : public BufferAccessTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BufferAccessTest::SetUp());
        items.Attach(MakeUnorderedAccessBuffer(kElements * 4));
        tickets.Attach(MakeUnorderedAccessBuffer(kElements * 4));
        // Both counters share one resource, the second at the next placement.
        counters.Attach(MakeUnorderedAccessBuffer(2 * kCounterOffset));
        heap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 2,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        ASSERT_TRUE(items && tickets && counters && heap);
    }
    void TearDown() override {
        heap.Reset();
        counters.Reset();
        tickets.Reset();
        items.Reset();
        BufferAccessTest::TearDown();
    }

    D3D12_CPU_DESCRIPTOR_HANDLE Slot(UINT index) { return HandleAt(device, heap, index); }

    static D3D12_UNORDERED_ACCESS_VIEW_DESC Structured(UINT64 counterOffset) {
        D3D12_UNORDERED_ACCESS_VIEW_DESC desc{};
        desc.Format = DXGI_FORMAT_UNKNOWN;
        desc.ViewDimension = D3D12_UAV_DIMENSION_BUFFER;
        desc.Buffer = {0, kElements, 4, counterOffset, D3D12_BUFFER_UAV_FLAG_NONE};
        return desc;
    }

    // Writes `value` to the counter at `offset` of `counters` (left in COMMON).
    void SetCounter(UINT64 offset, uint32_t value) {
        ComPtr<ID3D12Resource> upload{
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 4, D3D12_RESOURCE_STATE_GENERIC_READ)};
        ASSERT_TRUE(upload);
        WriteBuffer(upload, &value, sizeof value);
        list->CopyBufferRegion(counters, offset, upload, 0, 4);
        ExecuteAndWait();
    }

    ComPtr<ID3D12Resource> items, tickets, counters;
    ComPtr<ID3D12DescriptorHeap> heap;
};

} // namespace

TEST_F(UavCounterTest, AppendAndIncrementCounterAdvanceTheCountersInTheCounterResource) {
    ComPtr<ID3DBlob> cs{CompileHlslFile(kShader, "uav_counter.hlsl", "CSMain", "cs_5_0")};
    ASSERT_TRUE(cs);
    ComPtr<ID3D12RootSignature> rootSignature{RootSignatureOf(device, cs)};
    ASSERT_TRUE(rootSignature);
    ComPtr<ID3D12PipelineState> pipeline{MakeComputePipeline(device, rootSignature, cs)};
    ASSERT_TRUE(pipeline);
    ASSERT_NO_FATAL_FAILURE(SetCounter(0, 3));
    ASSERT_NO_FATAL_FAILURE(SetCounter(kCounterOffset, 5));
    const D3D12_UNORDERED_ACCESS_VIEW_DESC queueView = Structured(0);
    const D3D12_UNORDERED_ACCESS_VIEW_DESC ticketView = Structured(kCounterOffset);
    device->CreateUnorderedAccessView(items, counters, &queueView, Slot(0));
    device->CreateUnorderedAccessView(tickets, counters, &ticketView, Slot(1));

    ID3D12DescriptorHeap* heaps[] = {heap};
    list->SetDescriptorHeaps(1, heaps);
    list->SetComputeRootSignature(rootSignature);
    list->SetComputeRootDescriptorTable(0, heap->GetGPUDescriptorHandleForHeapStart());
    list->SetPipelineState(pipeline);
    list->Dispatch(1, 1, 1);
    ExecuteAndWait();

    std::vector<uint8_t> counted =
        ReadBuffer(counters, 2 * kCounterOffset, D3D12_RESOURCE_STATE_COMMON);
    EXPECT_EQ(WordAt(counted, 0), 3u + kThreads) << "Append's counter";
    EXPECT_EQ(WordAt(counted, kCounterOffset / 4), 5u + kThreads) << "IncrementCounter's";
    EXPECT_EQ(WordAt(counted, 1), 0u) << "the word after the counter";

    // Each thread appended once, after the 3 elements the counter started at,
    // and got one ticket of 5 to 12 (the counter before its increment).
    std::vector<uint8_t> appended = ReadBuffer(items, kElements * 4, D3D12_RESOURCE_STATE_COMMON);
    std::vector<uint8_t> issued = ReadBuffer(tickets, kElements * 4, D3D12_RESOURCE_STATE_COMMON);
    std::vector<uint32_t> values, ticketValues;
    for (UINT i = 0; i < kThreads; ++i) {
        values.push_back(WordAt(appended, 3 + i));
        ticketValues.push_back(WordAt(issued, i));
    }
    std::sort(values.begin(), values.end());
    std::sort(ticketValues.begin(), ticketValues.end());
    for (UINT i = 0; i < kThreads; ++i) {
        EXPECT_EQ(values[i], 100 + i);
        EXPECT_EQ(ticketValues[i], 5 + i);
    }
    EXPECT_EQ(WordAt(appended, 2), 0u) << "nothing appended before the counter";
}

// The debug layer's checks of a counter: its offset is a multiple of
// D3D12_UAV_COUNTER_PLACEMENT_ALIGNMENT and leaves room for the uint in the
// counter resource, the view is a structured buffer view of a resource, and an
// offset needs a counter resource.
TEST_F(UavCounterTest, CountersWindowsRefusesAreReported) {
    D3D12_UNORDERED_ACCESS_VIEW_DESC view = Structured(4);
    device->CreateUnorderedAccessView(items, counters, &view, Slot(0));
    view = Structured(2 * kCounterOffset);
    device->CreateUnorderedAccessView(items, counters, &view, Slot(0));
    view = Structured(0);
    view.Format = DXGI_FORMAT_R32_TYPELESS;
    view.Buffer.StructureByteStride = 0;
    view.Buffer.Flags = D3D12_BUFFER_UAV_FLAG_RAW;
    device->CreateUnorderedAccessView(items, counters, &view, Slot(0));
    view = Structured(0);
    device->CreateUnorderedAccessView(nullptr, counters, &view, Slot(0));
    view = Structured(kCounterOffset);
    device->CreateUnorderedAccessView(items, nullptr, &view, Slot(0));
    view = Structured(kCounterOffset);
    device->CreateUnorderedAccessView(items, counters, &view, Slot(1));

    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    AcknowledgeProvokedErrors();
    ASSERT_EQ(
        CountMessages(messages, D3D12_MESSAGE_ID_CREATE_UNORDEREDACCESS_VIEW_INVALID_COUNTER_USAGE),
        5u)
        << "the last view is sound";
    const char* expected[] = {
        "CounterOffsetInBytes must be a multiple of D3D12_UAV_COUNTER_PLACEMENT_ALIGNMENT (4096).",
        "CounterOffsetInBytes must not exceed the counter resource size.",
        "Counter UAVs require a structured buffer view",
        "Counter UAVs require a non-NULL pResource.",
        "CounterOffsetInBytes must be 0 when no pCounterResource is given.",
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_NE(messages[i].description.find(expected[i]), std::string::npos)
            << messages[i].description;
    }
}
