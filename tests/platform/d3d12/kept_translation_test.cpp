// A list executed again runs the Vulkan command buffer kept from its last
// translation only where nothing that translation read has changed. Each case
// changes one thing the translation reads, counts the kept buffers run
// through the test hooks and reads the pixels back.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), " \
           "RootConstants(num32BitConstants=4, b1)"
cbuffer Placement : register(b0) { float4 offset; };
cbuffer Colour : register(b1) { float4 tint; };
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos + offset.xy, 0.5, 1.0); }
float4 PSMain(float4 pos : SV_Position) : SV_Target { return tint; }
)hlsl";

// The left half of the target as two clockwise triangles: the first covers
// its top left corner, the second its bottom right one.
constexpr float kLeftHalf[] = {-1, 1, 0, 1, -1, -1, 0, 1, 0, -1, -1, -1};
constexpr float kRed[4] = {1, 0, 0, 1}, kGreen[4] = {0, 1, 0, 1};
constexpr uint32_t kRedPixel = 0xFF0000FFu, kGreenPixel = 0xFF00FF00u;
constexpr uint32_t kBlackPixel = 0xFF000000u, kBluePixel = 0xFFFF0000u;
constexpr UINT kSize = 64;

struct Draw {
    const float* tint = kRed;
    UINT vertexCount = 6;
    UINT target = 0;
};

class KeptTranslationTest : public GpuTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GpuTest::SetUp());
        ASSERT_TRUE(CompileWithRootSignature(device, kShader, "kept_translation_test.hlsl", &vs,
                                             &ps, &rootSignature));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, PositionLayout());
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
        ASSERT_TRUE(pipeline);
        vertices.Attach(MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kLeftHalf),
                                   D3D12_RESOURCE_STATE_GENERIC_READ));
        ASSERT_TRUE(vertices);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kLeftHalf, sizeof(kLeftHalf)));
        const float left[4] = {0, 0, 0, 0}, right[4] = {1, 0, 0, 0};
        placeLeft.Attach(MakePlacement(left));
        placeRight.Attach(MakePlacement(right));
        cbvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV, 2));
        ASSERT_TRUE(placeLeft && placeRight && cbvHeap && rtvHeap);
        Place(placeLeft);
        for (UINT i = 0; i < 2; ++i) {
            targets[i].Attach(MakeTexture(kSize, kSize, DXGI_FORMAT_R8G8B8A8_UNORM,
                                          D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                          D3D12_RESOURCE_STATE_RENDER_TARGET));
            ASSERT_TRUE(targets[i]);
            device->CreateRenderTargetView(targets[i], nullptr, HandleAt(device, rtvHeap, i));
            // The targets' first use gives them their first layouts, which
            // later lists then begin in.
            const float black[4] = {0, 0, 0, 1};
            list->ClearRenderTargetView(HandleAt(device, rtvHeap, i), black, 0, nullptr);
        }
        ExecuteAndWait();
    }
    void TearDown() override {
        vs.Reset();
        ps.Reset();
        rootSignature.Reset();
        pipeline.Reset();
        vertices.Reset();
        placeLeft.Reset();
        placeRight.Reset();
        cbvHeap.Reset();
        rtvHeap.Reset();
        targets[0].Reset();
        targets[1].Reset();
        GpuTest::TearDown();
    }

    ID3D12Resource* MakePlacement(const float offset[4]) {
        ID3D12Resource* buffer =
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ);
        if (buffer != nullptr) {
            WriteBuffer(buffer, offset, 4 * sizeof(float));
        }
        return buffer;
    }
    // Rewrites the one descriptor the draws' table reads.
    void Place(ID3D12Resource* placement) {
        D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{placement->GetGPUVirtualAddress(), 256};
        device->CreateConstantBufferView(&cbv, cbvHeap->GetCPUDescriptorHandleForHeapStart());
    }

    // On the recording list: the target cleared to black, then `draw`.
    void Record(const Draw& draw) {
        const float black[4] = {0, 0, 0, 1};
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = HandleAt(device, rtvHeap, draw.target);
        list->ClearRenderTargetView(rtv, black, 0, nullptr);
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        const D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kLeftHalf), 8};
        SetTableDrawState(rootSignature, pipeline, cbvHeap, view, kSize);
        list->SetGraphicsRoot32BitConstants(1, 4, draw.tint, 0);
        list->DrawInstanced(draw.vertexCount, 1, 0, 0);
    }
    // Runs the recorded list; how many kept buffers ran instead of a translation.
    uint64_t Run() {
        const uint64_t before = platform_testing::ReusedTranslations();
        ExecuteAndWait();
        return platform_testing::ReusedTranslations() - before;
    }
    // The pixels of target `index`: top left corner, bottom right corner of
    // the left half, and the right half.
    struct Corners {
        uint32_t topLeft, bottomRight, rightHalf;
    };
    Corners Read(UINT index, D3D12_RESOURCE_STATES state = D3D12_RESOURCE_STATE_RENDER_TARGET) {
        std::vector<uint8_t> pixels = ReadBack(targets[index], state);
        if (pixels.size() != kSize * kSize * 4) {
            ADD_FAILURE() << "no pixels read back";
            return {};
        }
        return {PixelAt(pixels, kSize, 4, 4), PixelAt(pixels, kSize, 28, 56),
                PixelAt(pixels, kSize, 48, 32)};
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> vertices, placeLeft, placeRight;
    ComPtr<ID3D12DescriptorHeap> cbvHeap, rtvHeap;
    ComPtr<ID3D12Resource> targets[2];
};

} // namespace

TEST_F(KeptTranslationTest, ListRecordedAlikeRunsItsKeptBufferAgain) {
    Record({});
    EXPECT_EQ(Run(), 0u);
    // Another recording of the list in between: the first one stays kept.
    const float blue[4] = {0, 0, 1, 1};
    list->ClearRenderTargetView(HandleAt(device, rtvHeap, 0), blue, 0, nullptr);
    EXPECT_EQ(Run(), 0u);
    EXPECT_EQ(Read(0).rightHalf, kBluePixel);

    Record({});
    EXPECT_EQ(Run(), 1u);
    const Corners drawn = Read(0);
    EXPECT_EQ(drawn.topLeft, kRedPixel);
    EXPECT_EQ(drawn.bottomRight, kRedPixel);
    EXPECT_EQ(drawn.rightHalf, kBlackPixel) << "the kept buffer's clear ran again";
}

TEST_F(KeptTranslationTest, WhatTheTranslationReadChangedTranslatesAfresh) {
    Record({});
    EXPECT_EQ(Run(), 0u);

    Record({kRed, 3});
    EXPECT_EQ(Run(), 0u) << "another draw count";
    Corners drawn = Read(0);
    EXPECT_EQ(drawn.topLeft, kRedPixel);
    EXPECT_EQ(drawn.bottomRight, kBlackPixel);

    Record({kGreen});
    EXPECT_EQ(Run(), 0u) << "another root constant";
    EXPECT_EQ(Read(0).bottomRight, kGreenPixel);

    // The same commands as the first list, with its descriptor rewritten.
    Place(placeRight);
    Record({});
    EXPECT_EQ(Run(), 0u) << "a rewritten descriptor";
    drawn = Read(0);
    EXPECT_EQ(drawn.topLeft, kBlackPixel);
    EXPECT_EQ(drawn.rightHalf, kRedPixel);

    Record({kGreen, 6, 1});
    EXPECT_EQ(Run(), 0u) << "another render target";
    EXPECT_EQ(Read(1).rightHalf, kGreenPixel);
    EXPECT_EQ(Read(0).rightHalf, kRedPixel) << "the first target is left as it was";

    Record({kGreen, 6, 1});
    EXPECT_EQ(Run(), 1u) << "nothing changed";
    EXPECT_EQ(Read(1).rightHalf, kGreenPixel);
}

// The list's barrier names the state the target was in when the list was
// translated; run again with the target in another state, the layer reports
// it and the translation moves the target from the state it is really in,
// even where both states have the same Vulkan layout.
TEST_F(KeptTranslationTest, ResourceInAnotherStateTranslatesAfresh) {
    auto recordFromShaderResource = [this] {
        D3D12_RESOURCE_BARRIER opening =
            Transition(targets[0], D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                       D3D12_RESOURCE_STATE_RENDER_TARGET);
        list->ResourceBarrier(1, &opening);
        Record({});
        D3D12_RESOURCE_BARRIER closing = Transition(targets[0], D3D12_RESOURCE_STATE_RENDER_TARGET,
                                                    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
        list->ResourceBarrier(1, &closing);
    };
    D3D12_RESOURCE_BARRIER toShader = Transition(targets[0], D3D12_RESOURCE_STATE_RENDER_TARGET,
                                                 D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    list->ResourceBarrier(1, &toShader);
    EXPECT_EQ(Run(), 0u);
    recordFromShaderResource();
    EXPECT_EQ(Run(), 0u);
    recordFromShaderResource();
    EXPECT_EQ(Run(), 1u) << "the same states again";
    TakeDebugMessages(device);

    // The same Vulkan layout, read by other stages: only the state differs.
    D3D12_RESOURCE_BARRIER toNonPixel =
        Transition(targets[0], D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                   D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE);
    list->ResourceBarrier(1, &toNonPixel);
    EXPECT_EQ(Run(), 0u);
    recordFromShaderResource();
    EXPECT_EQ(Run(), 0u) << "the target began in NON_PIXEL_SHADER_RESOURCE";
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH),
              1u);
    platform_testing::AcknowledgeD3D12Errors();
    const Corners drawn = Read(0, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
    EXPECT_EQ(drawn.bottomRight, kRedPixel);
    EXPECT_EQ(drawn.rightHalf, kBlackPixel);
}

// A kept buffer still pending is never submitted again: the same list twice
// in one call, and again behind a queue wait that has not ended, are each
// translated afresh. (The Vulkan validation layer, on in every test, reports
// a buffer submitted again while pending.)
TEST_F(KeptTranslationTest, PendingBufferIsNotSubmittedAgain) {
    Record({});
    EXPECT_EQ(Run(), 0u);
    ComPtr<ID3D12Fence> gate;
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence, gate.PutVoid()), S_OK);
    Record({kGreen});
    ASSERT_EQ(list->Close(), S_OK);
    const uint64_t reusedBefore = platform_testing::ReusedTranslations();
    const uint64_t executedBefore = platform_testing::ExecutedCommandLists(queue);
    ASSERT_EQ(queue->Wait(gate, 1), S_OK);
    ID3D12CommandList* twice[] = {list, list};
    queue->ExecuteCommandLists(2, twice);
    queue->ExecuteCommandLists(1, twice);
    EXPECT_EQ(platform_testing::ReusedTranslations(), reusedBefore)
        << "each kept translation was pending";
    ASSERT_EQ(gate->Signal(1), S_OK);
    WaitForQueue();
    EXPECT_EQ(platform_testing::ExecutedCommandLists(queue), executedBefore + 3);

    queue->ExecuteCommandLists(1, twice);
    WaitForQueue();
    EXPECT_EQ(platform_testing::ReusedTranslations(), reusedBefore + 1) << "no longer pending";
    BeginCommands();
    const Corners drawn = Read(0);
    EXPECT_EQ(drawn.topLeft, kGreenPixel);
    EXPECT_EQ(drawn.rightHalf, kBlackPixel);
}
