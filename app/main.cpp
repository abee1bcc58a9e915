// The program: a window, the renderer and the demo scene, then one frame per
// loop until the window asks to quit.
#include "demo_scene.h"
#include "window.h"

#include <renderer.h>

#include <DirectXMath.h>
#include <windows.h>

#include <cmath>
#include <csignal>
#include <cstdio>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr uint32_t kBackBuffers = 2;

constexpr float kOrbitRadius = 5.0f;
constexpr float kEyeHeight = 3.0f;
constexpr double kAngleStep = 0.01;
constexpr float kFieldOfView = 1.570796f;
constexpr float kAspect = 1.7777778f;
constexpr float kNear = 0.1f;
constexpr float kFar = 1000.0f;

// The camera's angle in radians, never wrapped.
float g_cameraAngle = 0.0f;

// Ctrl+C ends the loop like a quit message, so that teardown still runs.
volatile std::sig_atomic_t g_interrupted = 0;
void OnInterrupt(int) {
    g_interrupted = 1;
}

void MoveCamera(ViewBuffer* view) {
    using namespace DirectX;
    const XMMATRIX projection = XMMatrixPerspectiveFovLH(kFieldOfView, kAspect, kNear, kFar);
    g_cameraAngle = static_cast<float>(static_cast<double>(g_cameraAngle) + kAngleStep);
    const float s = sinf(g_cameraAngle);
    const float c = cosf(g_cameraAngle);
    const XMVECTOR eye = XMVectorSet(kOrbitRadius * s, kEyeHeight, kOrbitRadius * c, 0.0f);
    const XMVECTOR focus = XMVectorSet(0.0f, 0.0f, 0.0f, 0.0f);
    const XMVECTOR up = XMVectorSet(0.0f, 2.0f, 0.0f, 0.0f);
    const XMMATRIX viewMatrix = XMMatrixLookAtLH(eye, focus, up);

    view->prevView = view->view;
    XMStoreFloat4x4(&view->view, viewMatrix);
    view->prevProjection = view->projection;
    XMStoreFloat4x4(&view->projection, projection);
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
