// The validation layer's checks of a draw: as DrawInstanced records it, the
// state it lacks; when its list executes, the tables against the bound heap,
// the views a table reads, the pipeline's targets and root signature.
#include "gpu_fixture.h"

#include <standin_checks.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <string>

namespace {

constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0))"
cbuffer Params : register(b0) { float4 tint; };
Texture2D<float4> shown : register(t0);
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos, 0.5, 1.0); }
float4 PSMain() : SV_Target { return shown.Load(int3(0, 0, 0)) * tint; }
)hlsl";

constexpr char kOtherRootSignature[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos, 0.5, 1.0); }
)hlsl";

constexpr char kRootViewShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), CBV(b0)"
cbuffer Params : register(b0) { float4 tint; };
[RootSignature(RS)]
float4 VSMain(float2 pos : POSITION) : SV_Position { return float4(pos, 0.5, 1.0); }
float4 PSMain() : SV_Target { return tint; }
)hlsl";

constexpr float kTriangle[] = {-1, -1, -1, 3, 3, -1};

class DebugDrawTest : public GpuTest {
protected:
    void SetUp() override {
        GpuTest::SetUp();
        vs = CompileHlslFile(kShader, "debug_layer_draw_test.hlsl", "VSMain", "vs_5_0");
        ps = CompileHlslFile(kShader, "debug_layer_draw_test.hlsl", "PSMain", "ps_5_0");
        ASSERT_TRUE(vs && ps);
        rootSignature = RootSignatureOf(device, vs);
        ASSERT_NE(rootSignature, nullptr);
        vertices = MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ);
        constants = MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ);
        void* mapped = nullptr;
        ASSERT_EQ(vertices->Map(0, nullptr, &mapped), S_OK);
        std::memcpy(mapped, kTriangle, sizeof(kTriangle));
        vertices->Unmap(0, nullptr);
        texture = MakeTexture(4, 4, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE,
                              D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE);
        target =
            MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                        D3D12_RESOURCE_STATE_RENDER_TARGET);
        rtvHeap = MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV);
        device->CreateRenderTargetView(target, nullptr,
                                       rtvHeap->GetCPUDescriptorHandleForHeapStart());
        // Views made where the objects keep them, copied into shader-visible heaps.
        staging = MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 2);
        D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{constants->GetGPUVirtualAddress(), 256};
        device->CreateConstantBufferView(&cbv, Handle(staging, 0));
        device->CreateShaderResourceView(texture, nullptr, Handle(staging, 1));
        for (ID3D12DescriptorHeap*& heap : shaderHeaps) {
            heap = MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 2,
                                      D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE);
            device->CopyDescriptorsSimple(2, heap->GetCPUDescriptorHandleForHeapStart(),
                                          staging->GetCPUDescriptorHandleForHeapStart(),
                                          D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
        }
    }
    void TearDown() override {
        AcknowledgeProvokedErrors();
        for (IUnknown* object : std::initializer_list<IUnknown*>{
                 vs, ps, rootSignature, vertices, constants, texture, target, rtvHeap, staging,
                 shaderHeaps[0], shaderHeaps[1]}) {
            if (object != nullptr) {
                object->Release();
            }
        }
        GpuTest::TearDown();
    }

    D3D12_CPU_DESCRIPTOR_HANDLE Handle(ID3D12DescriptorHeap* heap, UINT index) {
        D3D12_CPU_DESCRIPTOR_HANDLE handle = heap->GetCPUDescriptorHandleForHeapStart();
        handle.ptr += index * device->GetDescriptorHandleIncrementSize(
                                  D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
        return handle;
    }
    D3D12_GPU_DESCRIPTOR_HANDLE Table(ID3D12DescriptorHeap* heap, UINT index) {
        D3D12_GPU_DESCRIPTOR_HANDLE handle = heap->GetGPUDescriptorHandleForHeapStart();
        handle.ptr += index * device->GetDescriptorHandleIncrementSize(
                                  D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
        return handle;
    }

    ID3D12PipelineState* MakePipeline(DXGI_FORMAT rtvFormat, ID3D12RootSignature* signature) {
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(signature, vs, ps, PositionLayout());
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        desc.RTVFormats[0] = rtvFormat;
        return MakeGraphicsPipeline(device, desc);
    }

    // Targets, pipeline, root signature and vertices; the tables are the caller's.
    void RecordSetup(ID3D12PipelineState* pipeline, ID3D12RootSignature* signature) {
        RecordTriangleDrawState(list, rtvHeap->GetCPUDescriptorHandleForHeapStart(), 16, 16,
                                signature, pipeline);
        D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kTriangle), 8};
        list->IASetVertexBuffers(0, 1, &view);
    }
    // One shader-visible heap bound for the whole list, both tables in it.
    void BindBothTablesFromOneHeap() {
        list->SetDescriptorHeaps(1, &shaderHeaps[0]);
        list->SetGraphicsRootDescriptorTable(0, Table(shaderHeaps[0], 0));
        list->SetGraphicsRootDescriptorTable(1, Table(shaderHeaps[0], 1));
    }
    std::vector<DebugMessage> DrawAndTake() {
        list->DrawInstanced(3, 1, 0, 0);
        list->DrawInstanced(3, 1, 0, 0);
        ExecuteAndWait();
        return TakeDebugMessages(device);
    }

    ID3DBlob* vs = nullptr;
    ID3DBlob* ps = nullptr;
    ID3D12RootSignature* rootSignature = nullptr;
    ID3D12Resource* vertices = nullptr;
    ID3D12Resource* constants = nullptr;
    ID3D12Resource* texture = nullptr;
    ID3D12Resource* target = nullptr;
    ID3D12DescriptorHeap* rtvHeap = nullptr;
    ID3D12DescriptorHeap* staging = nullptr;
    ID3D12DescriptorHeap* shaderHeaps[2] = {};
};

TEST_F(DebugDrawTest, TablesIntoAHeapNoLongerBoundAreReported) {
    ID3D12PipelineState* pipeline = MakePipeline(DXGI_FORMAT_R8G8B8A8_UNORM, rootSignature);
    RecordSetup(pipeline, rootSignature);
    // Each table set with its own heap bound, as if heaps were per object.
    list->SetDescriptorHeaps(1, &shaderHeaps[0]);
    list->SetGraphicsRootDescriptorTable(0, Table(shaderHeaps[0], 0));
    list->SetDescriptorHeaps(1, &shaderHeaps[1]);
    list->SetGraphicsRootDescriptorTable(1, Table(shaderHeaps[1], 1));
    std::vector<DebugMessage> messages = DrawAndTake();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_SET_DESCRIPTOR_TABLE_INVALID);
    EXPECT_NE(messages[0].description.find("root parameter 0"), std::string::npos);
    EXPECT_NE(messages[0].description.find("Descriptor table state is undefined after "
                                           "descriptor heaps are changed on a command list"),
              std::string::npos);

    // One heap bound for the whole list, every table in it: nothing to report.
    RecordSetup(pipeline, rootSignature);
    BindBothTablesFromOneHeap();
    EXPECT_TRUE(DrawAndTake().empty());

    // Only shader-visible heaps can be bound.
    list->SetDescriptorHeaps(1, &staging);
    ExecuteAndWait();
    messages = TakeDebugMessages(device);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_SET_DESCRIPTOR_HEAP_INVALID);
    pipeline->Release();
}

TEST_F(DebugDrawTest, TexturesReadByATableMustBeInAShaderResourceState) {
    ID3D12PipelineState* pipeline = MakePipeline(DXGI_FORMAT_R8G8B8A8_UNORM, rootSignature);
    D3D12_RESOURCE_BARRIER away = Transition(texture, D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE,
                                             D3D12_RESOURCE_STATE_COPY_DEST);
    list->ResourceBarrier(1, &away);
    RecordSetup(pipeline, rootSignature);
    BindBothTablesFromOneHeap();
    std::vector<DebugMessage> messages = DrawAndTake();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE);
    EXPECT_NE(messages[0].description.find("Using DrawInstanced"), std::string::npos);
    EXPECT_NE(messages[0].description.find("Actual State: 0x400: D3D12_RESOURCE_STATE_COPY_DEST"),
              std::string::npos);
    pipeline->Release();
}

// A texture in COMMON is promoted by the draw that reads it and decays back
// to COMMON when the list ends: neither draws a message.
TEST_F(DebugDrawTest, TexturesInCommonArePromotedByADrawAndDecayAfterIt) {
    ID3D12PipelineState* pipeline = MakePipeline(DXGI_FORMAT_R8G8B8A8_UNORM, rootSignature);
    ID3D12Resource* common = MakeTexture(4, 4, DXGI_FORMAT_R8G8B8A8_UNORM, D3D12_RESOURCE_FLAG_NONE,
                                         D3D12_RESOURCE_STATE_COMMON);
    device->CreateShaderResourceView(common, nullptr, Handle(shaderHeaps[0], 1));
    RecordSetup(pipeline, rootSignature);
    BindBothTablesFromOneHeap();
    EXPECT_TRUE(DrawAndTake().empty());
    D3D12_RESOURCE_BARRIER decayed =
        Transition(common, D3D12_RESOURCE_STATE_COMMON, D3D12_RESOURCE_STATE_COPY_DEST);
    list->ResourceBarrier(1, &decayed);
    ExecuteAndWait();
    for (const DebugMessage& message : TakeDebugMessages(device)) {
        ADD_FAILURE() << "#" << message.id << ": " << message.description;
    }
    pipeline->Release();
    common->Release();
}

TEST_F(DebugDrawTest, PipelineTargetsAndRootSignatureMustMatchWhatIsBound) {
    ID3D12PipelineState* wide = MakePipeline(DXGI_FORMAT_R32G32B32A32_FLOAT, rootSignature);
    RecordSetup(wide, rootSignature);
    BindBothTablesFromOneHeap();
    std::vector<DebugMessage> messages = DrawAndTake();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_RENDER_TARGET_FORMAT_MISMATCH_PIPELINE_STATE);
    EXPECT_NE(messages[0].description.find("The render target format in slot 0 does not match "
                                           "that specified by the current pipeline state. "
                                           "(pipeline state = R32G32B32A32_FLOAT, RTV = "
                                           "R8G8B8A8_UNORM)"),
              std::string::npos)
        << messages[0].description;

    // A depth view whose format the pipeline does not name.
    ID3D12Resource* depth =
        MakeTexture(16, 16, DXGI_FORMAT_D16_UNORM, D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                    D3D12_RESOURCE_STATE_DEPTH_WRITE);
    ID3D12DescriptorHeap* dsvHeap = MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_DSV);
    D3D12_CPU_DESCRIPTOR_HANDLE dsv = dsvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateDepthStencilView(depth, nullptr, dsv);
    ID3D12PipelineState* matching = MakePipeline(DXGI_FORMAT_R8G8B8A8_UNORM, rootSignature);
    RecordSetup(matching, rootSignature);
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
    BindBothTablesFromOneHeap();
    messages = DrawAndTake();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].id, D3D12_MESSAGE_ID_DEPTH_STENCIL_FORMAT_MISMATCH_PIPELINE_STATE);
    EXPECT_NE(messages[0].description.find("(pipeline state = UNKNOWN, DSV = D16_UNORM)"),
              std::string::npos);

    // A root signature other than the pipeline's.
    ID3DBlob* other =
        CompileHlslFile(kOtherRootSignature, "debug_layer_other_rs.hlsl", "VSMain", "vs_5_0");
    ASSERT_NE(other, nullptr);
    ID3D12RootSignature* otherSignature = RootSignatureOf(device, other);
    ASSERT_NE(otherSignature, nullptr);
    RecordSetup(matching, otherSignature);
    list->SetDescriptorHeaps(1, &shaderHeaps[0]);
    list->SetGraphicsRootDescriptorTable(0, Table(shaderHeaps[0], 0));
    messages = DrawAndTake();
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_COMMAND_LIST_DRAW_ROOT_SIGNATURE_MISMATCH),
              1u);
    for (IUnknown* object :
         std::initializer_list<IUnknown*>{wide, matching, depth, dsvHeap, other, otherSignature}) {
        object->Release();
    }
}

TEST_F(DebugDrawTest, DrawsLackingStateAreReportedAsTheyAreRecorded) {
    ID3D12PipelineState* pipeline = MakePipeline(DXGI_FORMAT_R8G8B8A8_UNORM, rootSignature);
    list->DrawInstanced(3, 1, 0, 0); // nothing set at all
    RecordSetup(pipeline, rootSignature);
    list->SetDescriptorHeaps(1, &shaderHeaps[0]);
    list->SetGraphicsRootDescriptorTable(1, Table(shaderHeaps[0], 1)); // the CBV table is not set
    list->DrawInstanced(3, 1, 0, 0);
    BindBothTablesFromOneHeap();
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_LINELIST);
    std::vector<DebugMessage> messages = DrawAndTake();
    std::vector<D3D12_MESSAGE_ID> ids;
    for (const DebugMessage& message : messages) {
        ids.push_back(message.id);
    }
    EXPECT_EQ(ids, (std::vector<D3D12_MESSAGE_ID>{
                       D3D12_MESSAGE_ID_COMMAND_LIST_DRAW_ROOT_SIGNATURE_NOT_SET,
                       D3D12_MESSAGE_ID_COMMAND_LIST_PIPELINE_STATE_NOT_SET,
                       D3D12_MESSAGE_ID_COMMAND_LIST_DESCRIPTOR_TABLE_NOT_SET,
                       D3D12_MESSAGE_ID_PRIMITIVE_TOPOLOGY_MISMATCH_PIPELINE_STATE}));
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[2].description.rfind("ID3D12CommandList::DrawInstanced: Root Parameter "
                                            "Index [0] is not set.",
                                            0),
              0u)
        << messages[2].description;
    pipeline->Release();
}

// Direct3D 12 always tests the scissor: a viewport without a rectangle draws
// nothing, and the debug layer warns.
TEST_F(DebugDrawTest, WithoutAScissorRectangleNothingIsDrawn) {
    ID3D12PipelineState* pipeline = MakePipeline(DXGI_FORMAT_R8G8B8A8_UNORM, rootSignature);
    const float blue[4] = {0, 0, 1, 1};
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    for (bool scissored : {false, true}) {
        list->ClearRenderTargetView(rtv, blue, 0, nullptr);
        RecordSetup(pipeline, rootSignature);
        if (!scissored) {
            list->RSSetScissorRects(0, nullptr);
        }
        BindBothTablesFromOneHeap();
        std::vector<DebugMessage> messages = DrawAndTake();
        EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_DRAW_EMPTY_SCISSOR_RECTANGLE),
                  scissored ? 0u : 1u);
        std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
        ASSERT_EQ(pixels.size(), 16u * 16u * 4u);
        // The shader reads an all-zero texture: a drawn pixel is 0.
        EXPECT_EQ(PixelAt(pixels, 16, 8, 8), scissored ? 0u : 0xFFFF0000u);
    }
    pipeline->Release();
}

// Buffers a list reads only through their GPU addresses (a root view, vertex
// and index buffer views) are in use while it runs, like the resources the
// layer follows by state.
TEST_F(DebugDrawTest, BuffersBoundByAddressReleasedWhileInUseAreReported) {
    ComPtr<ID3DBlob> rootVs{CompileHlslFile(kRootViewShader, "root_view.hlsl", "VSMain", "vs_5_0")};
    ComPtr<ID3DBlob> rootPs{CompileHlslFile(kRootViewShader, "root_view.hlsl", "PSMain", "ps_5_0")};
    ASSERT_TRUE(rootVs && rootPs);
    ComPtr<ID3D12RootSignature> signature{RootSignatureOf(device, rootVs)};
    ASSERT_TRUE(signature);
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
        DescribePipeline(signature.Get(), rootVs.Get(), rootPs.Get(), PositionLayout());
    desc.RTVFormats[0] = DXGI_FORMAT_R8G8B8A8_UNORM;
    ComPtr<ID3D12PipelineState> pipeline{MakeGraphicsPipeline(device, desc)};
    ASSERT_TRUE(pipeline);
    ComPtr<ID3D12Resource> indices{
        MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ)};
    // The queue waits for a fence the test signals only after the releases,
    // so the draw cannot have run when they happen.
    ComPtr<ID3D12Fence> gate;
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence, gate.PutVoid()), S_OK);
    RecordTriangleDrawState(list, rtvHeap->GetCPUDescriptorHandleForHeapStart(), 16, 16,
                            signature.Get(), pipeline.Get());
    list->SetGraphicsRootConstantBufferView(0, constants->GetGPUVirtualAddress());
    D3D12_VERTEX_BUFFER_VIEW vertexView{vertices->GetGPUVirtualAddress(), sizeof(kTriangle), 8};
    list->IASetVertexBuffers(0, 1, &vertexView);
    D3D12_INDEX_BUFFER_VIEW indexView{indices->GetGPUVirtualAddress(), 256, DXGI_FORMAT_R16_UINT};
    list->IASetIndexBuffer(&indexView);
    list->DrawIndexedInstanced(3, 1, 0, 0, 0);
    ASSERT_EQ(list->Close(), S_OK);
    ASSERT_EQ(queue->Wait(gate.Get(), 1), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    for (ID3D12Resource** buffer : {&vertices, &constants}) {
        (*buffer)->Release();
        *buffer = nullptr;
    }
    indices.Reset();
    ASSERT_EQ(gate->Signal(1), S_OK);
    WaitForQueue();
    EXPECT_EQ(CountMessages(TakeDebugMessages(device),
                            D3D12_MESSAGE_ID_OBJECT_DELETED_WHILE_STILL_IN_USE),
              3u);
}

} // namespace
