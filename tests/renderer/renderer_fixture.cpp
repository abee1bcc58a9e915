#include "renderer_fixture.h"

#include <window.h>

#include <platform_testing.h>

#include <cstring>

HWND TestWindow() {
    static HWND window = CreateAppWindow("Brennwick", 1280, 720);
    return window;
}

void RendererTest::SetUp() {
    platform_testing::ClearRefusals();
    shaderPath = std::string(BRENNWICK_SOURCE_DIR) + "/shaders/normal.hlsl";
    renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    ASSERT_NE(renderer->device->device, nullptr);
    NewDrawSubmissions();
}

void RendererTest::TearDown() {
    renderer.reset();
    platform_testing::ClearRefusals();
}

uint64_t RendererTest::NewDrawSubmissions() {
    const uint64_t now = platform_testing::ExecutedCommandLists(renderer->device->commandQueue[0]);
    const uint64_t fresh = now - submissionsSeen;
    submissionsSeen = now;
    return fresh;
}

ViewBuffer* RendererTest::MakeScene(size_t instances) {
    VertexBuffer* mesh = renderer->GetVertexBuffer("mesh")->CreateCube();
    mesh->shaderFile = shaderPath;
    InstancingBuffer* instancing = renderer->GetInstancingBuffer("instancing");
    InstanceRecord record = {};
    record.world = DirectX::XMFLOAT4X4(0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 1);
    instancing->instances.assign(instances, record);
    instancing->meshes["mesh"] = mesh;
    ViewBuffer* view = renderer->GetViewBuffer("view");
    view->viewport = ViewportRect{0, 0, 1280, 720};
    view->instancingBuffers["instancing"] = instancing;
    return view;
}

std::vector<uint8_t> RendererTest::ReadBackBuffer(uint32_t index) {
    Dx12::Device& device = *renderer->device;
    ID3D12Resource* source = device.backBuffers.at(index);
    const D3D12_RESOURCE_DESC desc = source->GetDesc();
    const UINT width = static_cast<UINT>(desc.Width);
    const UINT height = desc.Height;
    const UINT pitch = (width * 4 + 255) / 256 * 256;

    D3D12_HEAP_PROPERTIES heap = {};
    heap.Type = D3D12_HEAP_TYPE_READBACK;
    D3D12_RESOURCE_DESC bufferDesc = {};
    bufferDesc.Dimension = D3D12_RESOURCE_DIMENSION_BUFFER;
    bufferDesc.Width = static_cast<UINT64>(pitch) * height;
    bufferDesc.Height = 1;
    bufferDesc.DepthOrArraySize = 1;
    bufferDesc.MipLevels = 1;
    bufferDesc.SampleDesc.Count = 1;
    bufferDesc.Layout = D3D12_TEXTURE_LAYOUT_ROW_MAJOR;
    ID3D12Resource* readback = nullptr;
    EXPECT_EQ(device.device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &bufferDesc, D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&readback)),
              S_OK);
    if (readback == nullptr) {
        return {};
    }

    ID3D12CommandAllocator* allocator = device.commandAllocator[0];
    ID3D12GraphicsCommandList* list = device.commandList[0];
    allocator->Reset();
    list->Reset(allocator, nullptr);
    D3D12_RESOURCE_BARRIER barrier = {};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Transition.pResource = source;
    barrier.Transition.Subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;
    barrier.Transition.StateBefore = D3D12_RESOURCE_STATE_PRESENT;
    barrier.Transition.StateAfter = D3D12_RESOURCE_STATE_COPY_SOURCE;
    list->ResourceBarrier(1, &barrier);
    D3D12_TEXTURE_COPY_LOCATION to = {};
    to.pResource = readback;
    to.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    to.PlacedFootprint.Footprint = {desc.Format, width, height, 1, pitch};
    D3D12_TEXTURE_COPY_LOCATION from = {};
    from.pResource = source;
    from.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
    std::swap(barrier.Transition.StateBefore, barrier.Transition.StateAfter);
    list->ResourceBarrier(1, &barrier);
    list->Close();
    ID3D12CommandList* lists[] = {list};
    device.commandQueue[0]->ExecuteCommandLists(1, lists);
    device.WaitForGpu(0);
    NewDrawSubmissions();

    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    void* mapped = nullptr;
    const D3D12_RANGE all = {0, static_cast<SIZE_T>(bufferDesc.Width)};
    if (readback->Map(0, &all, &mapped) == S_OK) {
        for (UINT row = 0; row < height; ++row) {
            std::memcpy(pixels.data() + static_cast<size_t>(row) * width * 4,
                        static_cast<uint8_t*>(mapped) + static_cast<size_t>(row) * pitch,
                        width * 4);
        }
        const D3D12_RANGE none = {0, 0};
        readback->Unmap(0, &none);
    }
    readback->Release();
    return pixels;
}

float RendererTest::ConstantAt(uint32_t offset) const {
    float value;
    std::memcpy(&value, renderer->uniform0_data + offset, 4);
    return value;
}
