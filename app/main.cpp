// The program: a window, the renderer and the demo scene, then one frame per
// loop until the window or a Ctrl+C asks to quit.
#include "demo_scene.h"
#include "frame_loop.h"
#include "quit_requests.h"
#include "window.h"

#include <renderer/renderer.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr uint32_t kBackBuffers = 2;

// An allocation that fails ends the program with one line, not an abort.
void ExitOutOfMemory() {
    std::printf("ERROR : Brennwick : out of memory, exiting\n");
    std::fflush(stdout);
    std::_Exit(1);
}

} // namespace

int main() {
    // Diagnostics reach a redirected stdout line by line, as they happen. The
    // Windows C run-time treats line buffering as full buffering, so stdout
    // goes unbuffered instead (every line is one printf).
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CatchQuitRequests();
    std::set_new_handler(ExitOutOfMemory);

    HWND window = CreateAppWindow("Brennwick", kWidth, kHeight);
    auto* renderer = new Dx12::Renderer(window, kWidth, kHeight, kBackBuffers);
    if (renderer->device->device == nullptr) {
        std::printf("ERROR : Brennwick : no Direct3D 12 device, exiting\n");
        delete renderer;
        RestoreStandardStreams();
        return 1;
    }
    ViewBuffer* view = SetUpDemoScene(renderer);

    while (RunFrame(renderer, view)) {
        UpdateFrameRate();
    }

    // The teardown lines are still written where they can be, but nobody
    // need be reading any more.
    StopWaitingForOutput();
    delete renderer;
    RestoreStandardStreams();
    return 0;
}
