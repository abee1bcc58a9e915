#include "frame_loop.h"

#include "camera.h"
#include "quit_requests.h"
#include "window.h"

#include <renderer/renderer.h>

#include <windows.h>

namespace {

void Mark(FrameStepHook hook, FrameStep step, void* context) {
    if (hook != nullptr) {
        hook(step, context);
    }
}

} // namespace

bool RunFrame(Dx12::Renderer* renderer, ViewBuffer* view, FrameStepHook hook, void* context) {
    // The loop has one way to end, with or without a display: a quit message.
    if (TakeQuitRequest()) {
        PostQuitMessage(0);
    }
    if (PumpMessages() == 0) {
        return false;
    }
    if (GetAsyncKeyState(VK_F5) & 1) {
        renderer->DeleteShader();
    }
    MoveCamera(view);
    Mark(hook, FrameStep::Update, context);
    renderer->Update();
    Mark(hook, FrameStep::Draw, context);
    renderer->Draw("view_present");
    Mark(hook, FrameStep::Present, context);
    renderer->device->Present();
    renderer->frame_count += 1;
    Mark(hook, FrameStep::Counted, context);
    return true;
}
