#include "demo_loop.h"

#include "frame_stats.h"
#include "program_start.h"

#include <app/demo_scene.h>
#include <app/frame_loop.h>
#include <renderer/renderer.h>
#include <app/window.h>

#include <platform_testing.h>

#include <cstdlib>

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

namespace {

// When each timed step of a frame began, and the time blocked in waits so far.
struct StepTimes {
    uint64_t update = 0;
    uint64_t draw = 0;
    uint64_t present = 0;
    uint64_t end = 0;
    uint64_t blockedBeforeDraw = 0;
    uint64_t blockedAfterDraw = 0;
};

void MarkStep(FrameStep step, void* context) {
    auto* times = static_cast<StepTimes*>(context);
    switch (step) {
    case FrameStep::Update:
        times->update = NowNanoseconds();
        break;
    case FrameStep::Draw:
        times->draw = NowNanoseconds();
        times->blockedBeforeDraw = platform_testing::NanosecondsBlockedInWaits();
        break;
    case FrameStep::Present:
        times->present = NowNanoseconds();
        times->blockedAfterDraw = platform_testing::NanosecondsBlockedInWaits();
        break;
    case FrameStep::Counted:
        times->end = NowNanoseconds();
        break;
    }
}

} // namespace

bool DemoLoop::Frame(FrameSplit* split) {
    uint64_t start = NowNanoseconds();
    StepTimes times;
    if (!RunFrame(renderer_, view_, MarkStep, &times)) {
        return false;
    }
    uint64_t draw = times.present - times.draw;
    uint64_t blocked = times.blockedAfterDraw - times.blockedBeforeDraw;
    split->update = times.draw - times.update;
    split->drawWaiting = blocked < draw ? blocked : draw;
    split->drawRecording = draw - split->drawWaiting;
    split->present = times.end - times.present;
    split->total = times.end - start;
    return true;
}

void DemoLoop::Stop() {
    delete renderer_;
    renderer_ = nullptr;
    view_ = nullptr;
}

bool StartHeadless(const char* program, const std::string& shaderPath, ShaderFolder* folder,
                   DemoLoop* loop) {
    unsetenv("DISPLAY");
    if (!EnterShaderFolder(program, shaderPath, folder)) {
        return false;
    }
    std::string error;
    if (loop->Start(&error)) {
        return true;
    }
    Complain(program, error, 1);
    return false;
}

} // namespace bench
