#include "renderer_fixture.h"

#include <app/window.h>

#include <gpu_test_support.h>
#include <platform_testing.h>

#include <cstring>

HWND TestWindow() {
    static HWND window = CreateAppWindow("Brennwick", 1280, 720);
    return window;
}

void PrintTo(const Pixel& pixel, std::ostream* out) {
    *out << "RGBA(" << pixel.r << ", " << pixel.g << ", " << pixel.b << ", " << pixel.a << ")";
}

Pixel PixelAt(const std::vector<uint8_t>& pixels, int x, int y) {
    if (pixels.size() != 1280u * 720u * 4u) {
        ADD_FAILURE() << "a read-back of " << pixels.size() << " bytes is no 1280 x 720 frame";
        return Pixel{-1, -1, -1, -1};
    }
    if (x < 0 || x >= 1280 || y < 0 || y >= 720) {
        ADD_FAILURE() << "(" << x << ", " << y << ") lies outside the frame";
        return Pixel{-1, -1, -1, -1};
    }
    const size_t at = (static_cast<size_t>(y) * 1280 + x) * 4;
    return Pixel{pixels[at], pixels[at + 1], pixels[at + 2], pixels[at + 3]};
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
    const uint64_t now =
        platform_testing::ExecutedCommandLists(renderer->device->commandQueue[Dx12::DRAW_COMMANDS]);
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

TextureBuffer* RendererTest::FillTexture(const std::string& name, int width, int height,
                                         uint8_t value) {
    TextureBuffer* texture = renderer->GetTextureBuffer(name);
    texture->width = width;
    texture->height = height;
    texture->pixels.assign(static_cast<size_t>(width) * height * 4, value);
    texture->changed = true;
    return texture;
}

std::vector<uint8_t> RendererTest::ReadBackBuffer(uint32_t index) {
    Dx12::Device& device = *renderer->device;
    std::vector<uint8_t> pixels = ReadBackOnQueue(
        device.device, device.commandQueue[Dx12::DRAW_COMMANDS],
        device.commandAllocator[Dx12::DRAW_COMMANDS], device.commandList[Dx12::DRAW_COMMANDS],
        device.backBuffers.at(index), D3D12_RESOURCE_STATE_PRESENT);
    NewDrawSubmissions();
    return pixels;
}

float RendererTest::ConstantAt(uint32_t offset) const {
    float value;
    std::memcpy(&value, renderer->uniform0_data + offset, 4);
    return value;
}
