#include "demo_loop.h"

#include "frame_stats.h"

#include <camera.h>
#include <demo_scene.h>
#include <renderer.h>
#include <window.h>

#include <windows.h>

#include <platform_testing.h>

namespace bench {

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
    MoveCamera(view_);

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
