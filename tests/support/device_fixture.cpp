#include "device_fixture.h"

#include "standin_checks.h"

void DeviceFixture::SetUp() {
    liveBefore = StartStandInChecks();
    // On by default on the stand-in; Windows keeps it off unless asked.
    ComPtr<ID3D12Debug> debug;
    if (D3D12GetDebugInterface(IID_ID3D12Debug, debug.PutVoid()) == S_OK) {
        debug->EnableDebugLayer();
    }
    ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_11_0, IID_ID3D12Device,
                                reinterpret_cast<void**>(&device)),
              S_OK);
    // What the devices of earlier tests left in the message store is theirs.
    TakeDebugMessages(device);
    ASSERT_NO_FATAL_FAILURE(BeforeCommandSet());
    ASSERT_NO_FATAL_FAILURE(CreateCommandSet(device));
}

void DeviceFixture::TearDown() {
    ReleaseCommandSet();
    if (device != nullptr) {
        EXPECT_EQ(device->Release(), 0u) << "something still holds the device";
        device = nullptr;
    }
    EndStandInChecks(liveBefore);
}

void DeviceFixture::MakeRenderTarget(UINT size, ComPtr<ID3D12Resource>* target,
                                     ComPtr<ID3D12DescriptorHeap>* rtvHeap) {
    target->Attach(MakeTexture(size, size, DXGI_FORMAT_R8G8B8A8_UNORM,
                               D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                               D3D12_RESOURCE_STATE_RENDER_TARGET));
    rtvHeap->Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
    if (*target && *rtvHeap) {
        device->CreateRenderTargetView(*target, nullptr,
                                       (*rtvHeap)->GetCPUDescriptorHandleForHeapStart());
    }
}

void DeviceFixture::SetTableDrawState(ID3D12RootSignature* rootSignature,
                                      ID3D12PipelineState* pipeline, ID3D12DescriptorHeap* table,
                                      const D3D12_VERTEX_BUFFER_VIEW& vertices, UINT size) {
    const D3D12_VIEWPORT viewport{0, 0, float(size), float(size), 0, 1};
    const D3D12_RECT scissor{0, 0, LONG(size), LONG(size)};
    ID3D12DescriptorHeap* heaps[] = {table};
    list->RSSetViewports(1, &viewport);
    list->RSSetScissorRects(1, &scissor);
    list->SetGraphicsRootSignature(rootSignature);
    list->SetPipelineState(pipeline);
    list->SetDescriptorHeaps(1, heaps);
    list->SetGraphicsRootDescriptorTable(0, table->GetGPUDescriptorHandleForHeapStart());
    list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    list->IASetVertexBuffers(0, 1, &vertices);
}
