#include "renderer_fixture.h"

#include <window.h>

#include <gpu_test_support.h>
#include <platform_testing.h>

#include <cstring>

HWND TestWindow() {
    static HWND window = CreateAppWindow("Brennwick", 1280, 720);
    return window;
}

void RendererTest::SetUp() {
    platform_testing::ClearRefusals();
    liveBefore = platform_testing::LiveObjects();
    shaderPath = std::string(BRENNWICK_SOURCE_DIR) + "/shaders/normal.hlsl";
    renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    ASSERT_NE(renderer->device->device, nullptr);
    NewDrawSubmissions();
}

void RendererTest::TearDown() {
    renderer.reset();
    platform_testing::ClearRefusals();
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "stand-in objects leaked";
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
    std::vector<uint8_t> pixels = ReadBackOnQueue(
        device.device, device.commandQueue[0], device.commandAllocator[0], device.commandList[0],
        device.backBuffers.at(index), D3D12_RESOURCE_STATE_PRESENT);
    NewDrawSubmissions();
    return pixels;
}

float RendererTest::ConstantAt(uint32_t offset) const {
    float value;
    std::memcpy(&value, renderer->uniform0_data + offset, 4);
    return value;
}
