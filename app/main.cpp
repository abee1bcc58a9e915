// The program: a window, the renderer and the demo scene, then one frame per
// loop until the window asks to quit.
#include "camera.h"
#include "demo_scene.h"
#include "window.h"

#include <renderer.h>

#include <windows.h>

#include <csignal>
#include <cstdio>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr uint32_t kBackBuffers = 2;

// Ctrl+C ends the loop like a quit message, so that teardown still runs.
volatile std::sig_atomic_t g_interrupted = 0;
void OnInterrupt(int) {
    g_interrupted = 1;
}

} // namespace

int main() {
    // Diagnostics reach a redirected stdout line by line, as they happen. The
    // Windows C run-time treats line buffering as full buffering, so there
    // stdout goes unbuffered instead (every line is one printf).
#ifdef _WIN32
    std::setvbuf(stdout, nullptr, _IONBF, 0);
#else
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
#endif
    std::signal(SIGINT, OnInterrupt);

    HWND window = CreateAppWindow("Brennwick", kWidth, kHeight);
    auto* renderer = new Dx12::Renderer(window, kWidth, kHeight, kBackBuffers);
    if (renderer->device->device == nullptr) {
        std::printf("ERROR : Brennwick : no Direct3D 12 device, exiting\n");
        delete renderer;
        return 1;
    }
    ViewBuffer* view = SetUpDemoScene(renderer);

    while (PumpMessages() != 0 && g_interrupted == 0) {
        if (GetAsyncKeyState(VK_F5) & 1) {
            renderer->DeleteShader();
        }
        MoveCamera(view);
        renderer->Update();
        renderer->Draw("view_present");
        renderer->device->Present();
        renderer->frame_count += 1;
        UpdateFrameRate();
    }

    delete renderer;
    return 0;
}
