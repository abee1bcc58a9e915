// Queries through the public API: occlusion queries count the samples a draw
// covers, binary ones say whether any passed, timestamps move on with the
// work between them, and misuse is reported with the debug layer's IDs.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT)"
[RootSignature(RS)]
float4 VSMain(float3 pos : POSITION) : SV_Position { return float4(pos, 1.0); }
float4 PSMain() : SV_Target { return float4(1, 0, 0, 1); }
)hlsl";

constexpr UINT kSize = 64;
// One quad over the 8x8 pixels from (16, 16), as two triangles: first near
// (depth 0.25), then far (depth 0.75).
constexpr float kQuads[] = {
    -0.5f,  0.5f,  0.25f, -0.25f, 0.5f,  0.25f, -0.5f,  0.25f, 0.25f, -0.5f,  0.25f, 0.25f,
    -0.25f, 0.5f,  0.25f, -0.25f, 0.25f, 0.25f, -0.5f,  0.5f,  0.75f, -0.25f, 0.5f,  0.75f,
    -0.5f,  0.25f, 0.75f, -0.5f,  0.25f, 0.75f, -0.25f, 0.5f,  0.75f, -0.25f, 0.25f, 0.75f,
};
constexpr UINT kNear = 0, kFar = 6;

// Newer than MinGW's d3d12.h and d3d12sdklayers.h: the values of Windows' SDK.
constexpr D3D12_QUERY_HEAP_TYPE kCopyQueueTimestampHeap = D3D12_QUERY_HEAP_TYPE(5);
constexpr D3D12_MESSAGE_ID kCopyQueueTimestampsNotSupported = D3D12_MESSAGE_ID(1079);
constexpr D3D12_MESSAGE_ID kResolveQueryInvalidQueryState = D3D12_MESSAGE_ID(1319);

class QueryTest : public GpuTest {
protected:
    void TearDown() override {
        AcknowledgeProvokedErrors(); // the misuse here is made on purpose
        vs.Reset();
        ps.Reset();
        rootSignature.Reset();
        pipeline.Reset();
        vertices.Reset();
        target.Reset();
        depth.Reset();
        rtvHeap.Reset();
        dsvHeap.Reset();
        GpuTest::TearDown();
    }

    ID3D12QueryHeap* MakeQueryHeap(D3D12_QUERY_HEAP_TYPE type, UINT count, HRESULT* result) {
        D3D12_QUERY_HEAP_DESC desc{type, count, 0};
        ID3D12QueryHeap* heap = nullptr;
        *result =
            device->CreateQueryHeap(&desc, IID_ID3D12QueryHeap, reinterpret_cast<void**>(&heap));
        return heap;
    }

    // A depth-tested pipeline, the vertices, and a cleared target and depth buffer.
    void PrepareDraws() {
        ASSERT_TRUE(
            CompileWithRootSignature(device, kShader, "query_test.hlsl", &vs, &ps, &rootSignature));
        D3D12_INPUT_ELEMENT_DESC layout[] = {{"POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0,
                                              D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0}};
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, {layout, 1});
        AddDepthBuffer(desc);
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
        ASSERT_TRUE(pipeline);
        vertices.Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kQuads), D3D12_RESOURCE_STATE_GENERIC_READ));
        depth.Attach(MakeTexture(kSize, kSize, DXGI_FORMAT_D32_FLOAT,
                                 D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                                 D3D12_RESOURCE_STATE_DEPTH_WRITE));
        dsvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV));
        ASSERT_TRUE(vertices && depth && dsvHeap);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kQuads, sizeof(kQuads)));
        ASSERT_NO_FATAL_FAILURE(MakeRenderTarget(kSize, &target, &rtvHeap));
        D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        D3D12_CPU_DESCRIPTOR_HANDLE dsv = dsvHeap->GetCPUDescriptorHandleForHeapStart();
        device->CreateDepthStencilView(depth, nullptr, dsv);
        RecordTriangleDrawState(list, rtv, kSize, kSize, rootSignature, pipeline);
        list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
        const float black[4] = {0, 0, 0, 1};
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
        D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kQuads), 12};
        list->IASetVertexBuffers(0, 1, &view);
    }

    // One query of `type` around a draw of the quad from `firstVertex`.
    void QueryDraw(ID3D12QueryHeap* heap, D3D12_QUERY_TYPE type, UINT index, UINT firstVertex) {
        list->BeginQuery(heap, type, index);
        list->DrawInstanced(6, 1, firstVertex, 0);
        list->EndQuery(heap, type, index);
    }

    // Resolves `count` queries from `first` into a new readback buffer, runs
    // the list and reads them.
    std::vector<UINT64> Resolve(ID3D12QueryHeap* heap, D3D12_QUERY_TYPE type, UINT count,
                                UINT first = 0) {
        ComPtr<ID3D12Resource> readback{
            MakeBuffer(D3D12_HEAP_TYPE_READBACK, count * 8, D3D12_RESOURCE_STATE_COPY_DEST)};
        EXPECT_NE(readback, nullptr);
        if (readback == nullptr) {
            return {};
        }
        list->ResolveQueryData(heap, type, first, count, readback, 0);
        ExecuteAndWait();
        std::vector<UINT64> results(count);
        void* mapped = nullptr;
        D3D12_RANGE range{0, count * 8};
        EXPECT_EQ(readback->Map(0, &range, &mapped), S_OK);
        if (mapped != nullptr) {
            std::memcpy(results.data(), mapped, count * 8);
            D3D12_RANGE none{0, 0};
            readback->Unmap(0, &none);
        }
        return results;
    }

    std::vector<D3D12_MESSAGE_ID> TakeIds() {
        std::vector<D3D12_MESSAGE_ID> ids;
        for (const DebugMessage& message : TakeDebugMessages(device)) {
            ids.push_back(message.id);
        }
        return ids;
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> vertices, target, depth;
    ComPtr<ID3D12DescriptorHeap> rtvHeap, dsvHeap;
};

using Ids = std::vector<D3D12_MESSAGE_ID>;

TEST_F(QueryTest, OcclusionQueriesCountTheSamplesThatPassTheDepthTest) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12QueryHeap> heap{MakeQueryHeap(D3D12_QUERY_HEAP_TYPE_OCCLUSION, 4, &result)};
    ASSERT_EQ(result, S_OK);
    ASSERT_NO_FATAL_FAILURE(PrepareDraws());
    QueryDraw(heap, D3D12_QUERY_TYPE_OCCLUSION, 0, kNear);        // all 64 samples pass
    QueryDraw(heap, D3D12_QUERY_TYPE_OCCLUSION, 1, kFar);         // hidden behind the near quad
    QueryDraw(heap, D3D12_QUERY_TYPE_BINARY_OCCLUSION, 2, kNear); // equal depth passes
    QueryDraw(heap, D3D12_QUERY_TYPE_BINARY_OCCLUSION, 3, kFar);
    EXPECT_EQ(Resolve(heap, D3D12_QUERY_TYPE_OCCLUSION, 2), (std::vector<UINT64>{64, 0}));
    EXPECT_EQ(Resolve(heap, D3D12_QUERY_TYPE_BINARY_OCCLUSION, 2, 2), (std::vector<UINT64>{1, 0}));
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    ASSERT_EQ(pixels.size(), kSize * kSize * 4u);
    EXPECT_EQ(PixelAt(pixels, kSize, 20, 20), 0xFF0000FFu); // the queries broke no draw
    EXPECT_EQ(PixelAt(pixels, kSize, 30, 20), 0xFF000000u);
}

TEST_F(QueryTest, TimestampsMoveOnWithTheWorkBetweenThemAtTheQueuesFrequency) {
    UINT64 frequency = 0;
    ASSERT_EQ(queue->GetTimestampFrequency(&frequency), S_OK);
    EXPECT_GE(frequency, 1'000'000u);       // at least a microsecond's resolution
    EXPECT_LE(frequency, 100'000'000'000u); // and no finer than 10 ps
    HRESULT result = E_FAIL;
    ComPtr<ID3D12QueryHeap> heap{MakeQueryHeap(D3D12_QUERY_HEAP_TYPE_TIMESTAMP, 3, &result)};
    ASSERT_EQ(result, S_OK);
    ASSERT_NO_FATAL_FAILURE(PrepareDraws());
    list->EndQuery(heap, D3D12_QUERY_TYPE_TIMESTAMP, 0);
    list->DrawInstanced(6, 1, kNear, 0);
    list->EndQuery(heap, D3D12_QUERY_TYPE_TIMESTAMP, 1);
    list->DrawInstanced(6, 1, kNear, 0);
    list->EndQuery(heap, D3D12_QUERY_TYPE_TIMESTAMP, 2);
    std::vector<UINT64> ticks = Resolve(heap, D3D12_QUERY_TYPE_TIMESTAMP, 3);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_LT(ticks[0], ticks[1]);
    EXPECT_LT(ticks[1], ticks[2]);
    EXPECT_LT(double(ticks[2] - ticks[0]) / double(frequency), 10.0) << "seconds apart";
}

TEST_F(QueryTest, QueryHeapsOfTypesTheDeviceLacksAreRefused) {
    HRESULT result = S_OK;
    ComPtr<ID3D12QueryHeap> empty{MakeQueryHeap(D3D12_QUERY_HEAP_TYPE_OCCLUSION, 0, &result)};
    EXPECT_EQ(result, E_INVALIDARG);
    EXPECT_EQ(empty, nullptr);
    ComPtr<ID3D12QueryHeap> copyQueue{MakeQueryHeap(kCopyQueueTimestampHeap, 1, &result)};
    EXPECT_EQ(result, E_INVALIDARG);
    EXPECT_EQ(TakeIds(), (Ids{D3D12_MESSAGE_ID_CREATEQUERY_HEAP_INVALID_PARAMETERS,
                              kCopyQueueTimestampsNotSupported}));
}

TEST_F(QueryTest, MisusedQueriesAreReportedAndTheListCannotClose) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12QueryHeap> occlusion{MakeQueryHeap(D3D12_QUERY_HEAP_TYPE_OCCLUSION, 2, &result)};
    ComPtr<ID3D12QueryHeap> timestamps{MakeQueryHeap(D3D12_QUERY_HEAP_TYPE_TIMESTAMP, 2, &result)};
    ComPtr<ID3D12Resource> readback{
        MakeBuffer(D3D12_HEAP_TYPE_READBACK, 64, D3D12_RESOURCE_STATE_COPY_DEST)};
    ASSERT_TRUE(occlusion && timestamps && readback);
    const struct {
        const char* misuse;
        void (*record)(ID3D12GraphicsCommandList*, ID3D12QueryHeap*, ID3D12QueryHeap*,
                       ID3D12Resource*);
        Ids expected;
    } cases[] = {
        {"a timestamp begun",
         [](ID3D12GraphicsCommandList* l, ID3D12QueryHeap*, ID3D12QueryHeap* t, ID3D12Resource*) {
             l->BeginQuery(t, D3D12_QUERY_TYPE_TIMESTAMP, 0);
         },
         {D3D12_MESSAGE_ID_BEGIN_END_QUERY_INVALID_PARAMETERS}},
        {"an index past the heap",
         [](ID3D12GraphicsCommandList* l, ID3D12QueryHeap*, ID3D12QueryHeap* t, ID3D12Resource*) {
             l->EndQuery(t, D3D12_QUERY_TYPE_TIMESTAMP, 2);
         },
         {D3D12_MESSAGE_ID_BEGIN_END_QUERY_INVALID_PARAMETERS}},
        {"a query begun twice, then left open",
         [](ID3D12GraphicsCommandList* l, ID3D12QueryHeap* o, ID3D12QueryHeap*, ID3D12Resource*) {
             l->BeginQuery(o, D3D12_QUERY_TYPE_OCCLUSION, 0);
             l->BeginQuery(o, D3D12_QUERY_TYPE_OCCLUSION, 0);
         },
         {D3D12_MESSAGE_ID_BEGIN_END_QUERY_INVALID_PARAMETERS,
          D3D12_MESSAGE_ID_CLOSE_COMMAND_LIST_OPEN_QUERY}},
        {"an end never begun, of the heap's other type",
         [](ID3D12GraphicsCommandList* l, ID3D12QueryHeap* o, ID3D12QueryHeap*, ID3D12Resource*) {
             l->EndQuery(o, D3D12_QUERY_TYPE_OCCLUSION, 1);
             l->EndQuery(o, D3D12_QUERY_TYPE_TIMESTAMP, 1);
         },
         {D3D12_MESSAGE_ID_BEGIN_END_QUERY_INVALID_PARAMETERS,
          D3D12_MESSAGE_ID_BEGIN_END_QUERY_INVALID_PARAMETERS}},
        {"a resolve at an offset not a multiple of 8, and past the buffer",
         [](ID3D12GraphicsCommandList* l, ID3D12QueryHeap*, ID3D12QueryHeap* t, ID3D12Resource* r) {
             l->ResolveQueryData(t, D3D12_QUERY_TYPE_TIMESTAMP, 0, 2, r, 4);
             l->ResolveQueryData(t, D3D12_QUERY_TYPE_TIMESTAMP, 0, 2, r, 56);
         },
         {D3D12_MESSAGE_ID_RESOLVE_QUERY_DATA_INVALID_PARAMETERS,
          D3D12_MESSAGE_ID_RESOLVE_QUERY_DATA_INVALID_PARAMETERS}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.misuse);
        each.record(list, occlusion, timestamps, readback);
        EXPECT_NE(list->Close(), S_OK);
        Ids ids = TakeIds();
        for (D3D12_MESSAGE_ID id : each.expected) {
            EXPECT_EQ(std::count(ids.begin(), ids.end(), id),
                      std::count(each.expected.begin(), each.expected.end(), id));
        }
        BeginCommands();
    }
}

TEST_F(QueryTest, ResolvingQueriesNeverEndedIsReportedWhenTheListRuns) {
    HRESULT result = E_FAIL;
    ComPtr<ID3D12QueryHeap> heap{MakeQueryHeap(D3D12_QUERY_HEAP_TYPE_TIMESTAMP, 2, &result)};
    ASSERT_EQ(result, S_OK);
    list->EndQuery(heap, D3D12_QUERY_TYPE_TIMESTAMP, 0);
    std::vector<UINT64> ticks = Resolve(heap, D3D12_QUERY_TYPE_TIMESTAMP, 2); // must not hang
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_NE(ticks[0], 0u);
    EXPECT_EQ(TakeIds(), Ids{kResolveQueryInvalidQueryState});
}

} // namespace
