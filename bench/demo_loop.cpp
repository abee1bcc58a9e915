#include "demo_loop.h"

#include "frame_stats.h"

#include <demo_scene.h>
#include <renderer.h>
#include <window.h>

#include <DirectXMath.h>
#include <windows.h>

#include <platform_testing.h>

#include <cmath>

namespace bench {
namespace {

// The program's camera: an orbit of radius 5 at height 3 around the origin.
void MoveCamera(ViewBuffer* view, float* angle) {
    using namespace DirectX;
    const XMMATRIX projection = XMMatrixPerspectiveFovLH(1.570796f, 1.7777778f, 0.1f, 1000.0f);
    *angle = static_cast<float>(static_cast<double>(*angle) + 0.01);
    const float s = sinf(*angle);
    const float c = cosf(*angle);
    const XMMATRIX viewMatrix =
        XMMatrixLookAtLH(XMVectorSet(5.0f * s, 3.0f, 5.0f * c, 0.0f),
                         XMVectorSet(0.0f, 0.0f, 0.0f, 0.0f), XMVectorSet(0.0f, 2.0f, 0.0f, 0.0f));
    view->prevView = view->view;
    XMStoreFloat4x4(&view->view, viewMatrix);
    view->prevProjection = view->projection;
    XMStoreFloat4x4(&view->projection, projection);
}

} // namespace

bool DemoLoop::Start(std::string* error) {
    HWND window = CreateAppWindow("Brennwick", 1280, 720);
    renderer_ = new Dx12::Renderer(window, 1280, 720, 2);
    if (renderer_->device == nullptr || renderer_->device->device == nullptr) {
        *error = "no Direct3D 12 device";
        Stop();
        return false;
    }
    view_ = SetUpDemoScene(renderer_);
    return view_ != nullptr;
}

bool DemoLoop::Frame(FrameSplit* split) {
    uint64_t start = NowNanoseconds();
    if (PumpMessages() == 0) {
        return false;
    }
    if (GetAsyncKeyState(VK_F5) & 1) {
        renderer_->DeleteShader();
    }
    MoveCamera(view_, &angle_);

    uint64_t beforeUpdate = NowNanoseconds();
    renderer_->Update();
    uint64_t beforeDraw = NowNanoseconds();
    uint64_t blockedBefore = platform_testing::NanosecondsBlockedInWaits();
    renderer_->Draw("view_present");
    uint64_t beforePresent = NowNanoseconds();
    uint64_t blocked = platform_testing::NanosecondsBlockedInWaits() - blockedBefore;
    renderer_->device->Present();
    renderer_->frame_count += 1;
    uint64_t end = NowNanoseconds();

    uint64_t draw = beforePresent - beforeDraw;
    split->update = beforeDraw - beforeUpdate;
    split->drawWaiting = blocked < draw ? blocked : draw;
    split->drawRecording = draw - split->drawWaiting;
    split->present = end - beforePresent;
    split->total = end - start;
    return true;
}

void DemoLoop::Stop() {
    delete renderer_;
    renderer_ = nullptr;
    view_ = nullptr;
}

} // namespace bench
