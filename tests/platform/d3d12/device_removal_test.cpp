// A GPU that does not finish its work in time removes the device, as Windows'
// timeout detection and recovery does: fences read UINT64_MAX, waits end, the
// reason is DXGI_ERROR_DEVICE_HUNG, later calls fail, and teardown does not
// wait for the work that never ends. Its own executable: the CPU rasteriser
// keeps running the endless shader until the process ends.
#include "gpu_fixture.h"

#include <platform_testing.h>

#include "hlsl_file.h"

#include <pipeline_desc.h>

#include <dxgi1_4.h>

#include <chrono>

namespace {

// The pixel shader loops for as long as `endless` is positive. The CPU
// rasteriser ends a loop after 65535 rounds: over a million pixels that is
// still minutes of work.
constexpr char kShader[] = R"hlsl(
#define RS "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
cbuffer Params : register(b0) { float endless; };
struct VSOut { float4 pos : SV_Position; };
[RootSignature(RS)]
VSOut VSMain(float2 pos : POSITION) {
    VSOut result;
    result.pos = float4(pos, 0.5, 1.0);
    return result;
}
float4 PSMain(VSOut input) : SV_Target {
    float value = input.pos.x;
    [loop] while (endless > 0.0) {
        value = frac(value * 1.37 + 0.11);
    }
    return float4(value, 0.0, 0.0, 1.0);
}
)hlsl";

constexpr float kTriangle[] = {-1.0f, -1.0f, -1.0f, 3.0f, 3.0f, -1.0f};

DXGI_SWAP_CHAIN_DESC SwapChainDesc(HWND window) {
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferDesc.Width = 16;
    desc.BufferDesc.Height = 16;
    desc.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.SampleDesc.Count = 1;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = 2;
    desc.OutputWindow = window;
    desc.Windowed = TRUE;
    desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_DISCARD;
    return desc;
}
constexpr auto kHangTimeout = std::chrono::milliseconds(300);
constexpr UINT kSize = 1024;

class DeviceRemovalTest : public GpuTest {
protected:
    void SetUp() override {
        platform_testing::SetDeviceHangTimeout(uint32_t(kHangTimeout.count()));
        ASSERT_NO_FATAL_FAILURE(GpuTest::SetUp());
    }
    void TearDown() override {
        GpuTest::TearDown();
        platform_testing::SetDeviceHangTimeout(0);
    }

    // Records a full-target draw of the shader with `endless` in its constants.
    void RecordDraw(float endless) {
        ASSERT_TRUE(CompileWithRootSignature(device, kShader, "device_removal_test.hlsl", &vs, &ps,
                                             &rootSignature));
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc =
            DescribePipeline(rootSignature, vs, ps, PositionLayout());
        desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
        pipeline.Attach(MakeGraphicsPipeline(device, desc));
        ASSERT_TRUE(pipeline);
        MakeRenderTarget(kSize, &target, &rtvHeap);
        vertices.Attach(MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, sizeof(kTriangle),
                                   D3D12_RESOURCE_STATE_GENERIC_READ));
        constants.Attach(
            MakeBuffer(D3D12_HEAP_TYPE_UPLOAD, 256, D3D12_RESOURCE_STATE_GENERIC_READ));
        cbvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                          D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE));
        ASSERT_TRUE(target && rtvHeap && vertices && constants && cbvHeap);
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(vertices, kTriangle, sizeof(kTriangle)));
        ASSERT_NO_FATAL_FAILURE(WriteBuffer(constants, &endless, sizeof(endless)));
        D3D12_CONSTANT_BUFFER_VIEW_DESC cbv{constants->GetGPUVirtualAddress(), 256};
        device->CreateConstantBufferView(&cbv, cbvHeap->GetCPUDescriptorHandleForHeapStart());
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
        const D3D12_VERTEX_BUFFER_VIEW view{vertices->GetGPUVirtualAddress(), sizeof(kTriangle), 8};
        list->OMSetRenderTargets(1, &rtv, FALSE, nullptr);
        SetTableDrawState(rootSignature, pipeline, cbvHeap, view, kSize);
        list->DrawInstanced(3, 1, 0, 0);
    }

    // Executes the recorded list and arms the command set's event for it.
    void ExecuteAndArm() {
        ASSERT_EQ(list->Close(), S_OK);
        ID3D12CommandList* lists[] = {list};
        queue->ExecuteCommandLists(1, lists);
        ASSERT_EQ(queue->Signal(fence, ++fenceValue), S_OK);
        ASSERT_EQ(fence->SetEventOnCompletion(fenceValue, event), S_OK);
    }

    void ReleaseDrawObjects() {
        vs.Reset();
        ps.Reset();
        rootSignature.Reset();
        pipeline.Reset();
        target.Reset();
        rtvHeap.Reset();
        vertices.Reset();
        constants.Reset();
        cbvHeap.Reset();
    }

    ComPtr<ID3DBlob> vs, ps;
    ComPtr<ID3D12RootSignature> rootSignature;
    ComPtr<ID3D12PipelineState> pipeline;
    ComPtr<ID3D12Resource> target, vertices, constants;
    ComPtr<ID3D12DescriptorHeap> rtvHeap, cbvHeap;
};

// Cases in order: the first leaves the process's GPU hung for the rest.
TEST_F(DeviceRemovalTest, AFenceWaitLongerThanTheTimeoutIsNotAHang) {
    ComPtr<ID3D12Fence> gate;
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence, gate.PutVoid()), S_OK);
    ASSERT_NO_FATAL_FAILURE(RecordDraw(0.0f));
    ASSERT_EQ(queue->Wait(gate, 1), S_OK);
    ASSERT_NO_FATAL_FAILURE(ExecuteAndArm());
    // The queue waits for the CPU, not for work running: no removal.
    EXPECT_EQ(WaitForSingleObject(event, DWORD(3 * kHangTimeout.count())), WAIT_TIMEOUT);
    EXPECT_EQ(device->GetDeviceRemovedReason(), S_OK);
    ASSERT_EQ(gate->Signal(1), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(fence->GetCompletedValue(), fenceValue);
    EXPECT_EQ(device->GetDeviceRemovedReason(), S_OK);
    ReleaseDrawObjects();
}

TEST_F(DeviceRemovalTest, EndlessShaderRemovesTheDeviceAsHung) {
    ComPtr<IDXGIFactory4> factory;
    ASSERT_EQ(CreateDXGIFactory1(IID_IDXGIFactory4, factory.PutVoid()), S_OK);
    DXGI_SWAP_CHAIN_DESC chainDesc = SwapChainDesc(MakeTestWindow("removal", 16, 16));
    ComPtr<IDXGISwapChain> swapChain;
    ASSERT_EQ(factory->CreateSwapChain(queue, &chainDesc, swapChain.Put()), S_OK);
    ASSERT_EQ(swapChain->Present(1, 0), S_OK);
    ASSERT_NO_FATAL_FAILURE(RecordDraw(1.0f));
    // From before the submission: on a busy machine the device may be
    // removed before this thread gets to wait.
    testing::internal::CaptureStderr();
    auto start = std::chrono::steady_clock::now();
    ASSERT_NO_FATAL_FAILURE(ExecuteAndArm());
    ASSERT_EQ(WaitForSingleObject(event, 60000), WAIT_OBJECT_0);
    auto waited = std::chrono::steady_clock::now() - start;
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_GE(waited, kHangTimeout / 2);

    EXPECT_NE(said.find("D3D12: Removing Device.\n"), std::string::npos) << said;
    EXPECT_NE(said.find("D3D12 ERROR: ID3D12Device::RemoveDevice: Device removal has been "
                        "triggered for the following reason (DXGI_ERROR_DEVICE_HUNG: "),
              std::string::npos)
        << said;
    std::vector<DebugMessage> messages = TakeDebugMessages(device);
    EXPECT_EQ(CountMessages(messages, D3D12_MESSAGE_ID_DEVICE_REMOVAL_PROCESS_AT_FAULT), 1u);
    platform_testing::AcknowledgeD3D12Errors();

    // Every fence of the device reads UINT64_MAX; events armed later fire at once.
    EXPECT_EQ(device->GetDeviceRemovedReason(), DXGI_ERROR_DEVICE_HUNG);
    EXPECT_EQ(fence->GetCompletedValue(), UINT64_MAX);
    ComPtr<ID3D12Fence> other;
    EXPECT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence, other.PutVoid()),
              DXGI_ERROR_DEVICE_REMOVED);
    EXPECT_EQ(other, nullptr);
    ASSERT_EQ(fence->SetEventOnCompletion(UINT64_MAX, event), S_OK);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    EXPECT_EQ(fence->SetEventOnCompletion(fenceValue + 5, nullptr), S_OK);

    // Calls that return an HRESULT fail; the rest do nothing.
    ComPtr<ID3D12RootSignature> refused;
    EXPECT_EQ(device->CreateRootSignature(0, vs->GetBufferPointer(), vs->GetBufferSize(),
                                          IID_ID3D12RootSignature, refused.PutVoid()),
              DXGI_ERROR_DEVICE_REMOVED);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(queue->Signal(fence, fenceValue + 1), DXGI_ERROR_DEVICE_REMOVED);
    EXPECT_EQ(fence->Signal(fenceValue + 1), DXGI_ERROR_DEVICE_REMOVED);
    EXPECT_EQ(allocator->Reset(), S_OK) << "its work counts as finished";
    EXPECT_EQ(list->Reset(allocator, nullptr), S_OK);
    EXPECT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    EXPECT_EQ(fence->GetCompletedValue(), UINT64_MAX);
    EXPECT_EQ(swapChain->Present(1, 0), DXGI_ERROR_DEVICE_REMOVED);
    ComPtr<IDXGISwapChain> second;
    chainDesc.OutputWindow = MakeTestWindow("removal 2", 16, 16);
    EXPECT_EQ(factory->CreateSwapChain(queue, &chainDesc, second.Put()), DXGI_ERROR_DEVICE_REMOVED);
    EXPECT_EQ(second, nullptr);

    // Teardown (the fixture's) releases everything without waiting for the GPU.
    testing::internal::CaptureStderr();
    ReleaseDrawObjects();
    swapChain.Reset();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "nothing counts as still in use";
}

TEST_F(DeviceRemovalTest, ANewDeviceAfterTheRemovalWorks) {
    EXPECT_EQ(device->GetDeviceRemovedReason(), S_OK);
    ExecuteAndWait();
    EXPECT_EQ(fence->GetCompletedValue(), fenceValue);
}

} // namespace
