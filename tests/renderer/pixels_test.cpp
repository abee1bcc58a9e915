#include "renderer_fixture.h"

#include <app/demo_scene.h>
#include <gpu_test_support.h>
#include <working_directory.h>

#include <DirectXMath.h>

#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace {

using namespace DirectX;

// The swap chain's own buffer that the next Present shows, read back.
std::vector<uint8_t> ReadBufferToPresent(Dx12::Device& device) {
    ID3D12Resource* buffer = nullptr;
    device.swapChain->GetBuffer(device.swapChain->GetCurrentBackBufferIndex(), IID_ID3D12Resource,
                                reinterpret_cast<void**>(&buffer));
    if (buffer == nullptr) {
        ADD_FAILURE() << "no current back buffer";
        return {};
    }
    std::vector<uint8_t> pixels = ReadBackOnQueue(
        device.device, device.commandQueue[Dx12::DRAW_COMMANDS],
        device.commandAllocator[Dx12::DRAW_COMMANDS], device.commandList[Dx12::DRAW_COMMANDS],
        buffer, D3D12_RESOURCE_STATE_PRESENT);
    buffer->Release();
    return pixels;
}

// Frame after frame, as the frame loop runs them: the buffer drawn into is
// the one the swap chain presents next.
TEST_F(RendererTest, DrawsIntoTheBackBufferTheSwapChainPresents) {
    ViewBuffer* view = MakeScene(0);
    const float colours[3][4] = {{1, 0, 0, 1}, {0, 0, 1, 1}, {0, 1, 0, 1}};
    const Pixel expected[3] = {{255, 0, 0, 255}, {0, 0, 255, 255}, {0, 255, 0, 255}};
    for (int frame = 0; frame < 3; ++frame) {
        std::copy(colours[frame], colours[frame] + 4, view->clearColor);
        renderer->Draw("view");
        EXPECT_EQ(PixelAt(ReadBufferToPresent(*renderer->device), 640, 360), expected[frame])
            << "frame " << frame;
        renderer->device->Present();
        ++renderer->frame_count;
    }
}

// The first frame of the demo: cyan background, and the nearest cubes in
// their own colours (shaded, so only the proportions between channels hold).
TEST_F(RendererTest, DrawsTheDemoSceneInTheInstanceColours) {
    ScopedWorkingDirectory shaders(BRENNWICK_SOURCE_DIR "/shaders");
    ASSERT_TRUE(shaders.Changed());
    ViewBuffer* view = SetUpDemoScene(renderer.get());
    const float angle = 0.01f;
    const XMMATRIX viewMatrix =
        XMMatrixLookAtLH(XMVectorSet(5 * sinf(angle), 3, 5 * cosf(angle), 0),
                         XMVectorSet(0, 0, 0, 0), XMVectorSet(0, 2, 0, 0));
    const XMMATRIX projection = XMMatrixPerspectiveFovLH(1.570796f, 1.7777778f, 0.1f, 1000.0f);
    XMStoreFloat4x4(&view->view, viewMatrix);
    XMStoreFloat4x4(&view->projection, projection);
    renderer->Update();
    renderer->Draw("view_present");
    const std::vector<uint8_t> pixels = ReadBackBuffer(0);
    ASSERT_EQ(pixels.size(), 1280u * 720u * 4u);

    for (const auto& [x, y] : {std::pair{0, 0}, {1279, 0}, {0, 719}, {1279, 719}}) {
        const Pixel corner = PixelAt(pixels, x, y);
        EXPECT_EQ(corner.r, 0);
        EXPECT_EQ(corner.g, 255);
        EXPECT_EQ(corner.b, 255);
    }

    struct Projected {
        float depth, x, y;
        const InstanceRecord* record;
    };
    std::vector<Projected> onScreen;
    const XMMATRIX viewProjection = XMMatrixMultiply(viewMatrix, projection);
    for (const InstanceRecord& record : renderer->GetInstancingBuffer("instance")->instances) {
        const XMVECTOR clip = XMVector3Transform(
            XMVectorSet(record.world._41, record.world._42, record.world._43, 1), viewProjection);
        const float w = XMVectorGetW(clip);
        const float x = (XMVectorGetX(clip) / w + 1) * 0.5f * 1280;
        const float y = (1 - XMVectorGetY(clip) / w) * 0.5f * 720;
        if (w > 0.5f && x > 20 && x < 1260 && y > 20 && y < 700) {
            onScreen.push_back({w, x, y, &record});
        }
    }
    std::sort(onScreen.begin(), onScreen.end(),
              [](const Projected& a, const Projected& b) { return a.depth < b.depth; });

    int checked = 0;
    for (size_t i = 0; i < onScreen.size() && checked < 5; ++i) {
        const Projected& p = onScreen[i];
        // Only cubes that no nearer cube can cover.
        bool covered = false;
        for (size_t j = 0; j < i; ++j) {
            covered = covered || std::hypot(onScreen[j].x - p.x, onScreen[j].y - p.y) < 60;
        }
        if (covered) {
            continue;
        }
        const Pixel seen = PixelAt(pixels, static_cast<int>(p.x), static_cast<int>(p.y));
        const float* colour = p.record->color;
        const float brightest = std::max({colour[0], colour[1], colour[2]});
        const float scale = std::max({seen.r, seen.g, seen.b}) / (255.0f * brightest);
        EXPECT_GT(scale, 0.15f) << "instance at " << p.x << ", " << p.y;
        EXPECT_LT(scale, 1.05f);
        EXPECT_NEAR(seen.r, colour[0] * 255 * scale, 8) << p.x << ", " << p.y;
        EXPECT_NEAR(seen.g, colour[1] * 255 * scale, 8) << p.x << ", " << p.y;
        EXPECT_NEAR(seen.b, colour[2] * 255 * scale, 8) << p.x << ", " << p.y;
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

} // namespace

namespace {

// One red cube far larger than the screen, seen with identity matrices, so
// that it covers the whole viewport and only the scissor bounds it.
bool DrawnAt(const std::vector<uint8_t>& pixels, int x) {
    return PixelAt(pixels, x, 100).g < 128;
}

TEST_F(RendererTest, TheScissorTruncatesTheViewportSizeAndIgnoresItsOrigin) {
    ViewBuffer* view = MakeScene(1);
    InstanceRecord& record = renderer->GetInstancingBuffer("instancing")->instances[0];
    record.world = XMFLOAT4X4(4, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0.2f, 0, 0, 0, 0.5f, 1);
    record.color[0] = 1;
    record.color[3] = 1;
    const float cyan[4] = {0, 1, 1, 0};
    std::copy(cyan, cyan + 4, view->clearColor);
    renderer->Update();

    view->viewport = ViewportRect{0, 0, 640.9f, 360};
    renderer->Draw("view");
    std::vector<uint8_t> pixels = ReadBackBuffer(0);
    EXPECT_TRUE(DrawnAt(pixels, 639));
    EXPECT_FALSE(DrawnAt(pixels, 640)); // inside the viewport, outside the scissor

    view->viewport = ViewportRect{100, 0, 640, 360};
    renderer->Draw("view");
    pixels = ReadBackBuffer(0);
    EXPECT_FALSE(DrawnAt(pixels, 99));
    EXPECT_TRUE(DrawnAt(pixels, 639));
    EXPECT_FALSE(DrawnAt(pixels, 700));
}

} // namespace
