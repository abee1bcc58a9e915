// The program's own frame (RunFrame, as its entry function runs it) on the
// real window, renderer and demo scene, with each pass timed.
#pragma once

#include "shader_folder.h"

#include <cstdint>
#include <string>

namespace Dx12 {
class Renderer;
}
class ViewBuffer;

namespace bench {

// Nanoseconds spent in each step of one frame.
struct FrameSplit {
    uint64_t update = 0;
    uint64_t drawRecording = 0; // draw pass minus the time blocked in waits
    uint64_t drawWaiting = 0;   // draw pass blocked in WaitForSingleObject
    uint64_t present = 0;
    uint64_t total = 0;
};

class DemoLoop {
public:
    DemoLoop() = default;
    DemoLoop(const DemoLoop&) = delete;
    DemoLoop& operator=(const DemoLoop&) = delete;
    ~DemoLoop() { Stop(); }

    // Opens the window, constructs the renderer and builds the demo scene.
    bool Start(std::string* error);
    // One frame: pump, F5, camera, update, draw, present, count. False once
    // the pump has seen a quit message (nothing is drawn then).
    bool Frame(FrameSplit* split);
    // Deletes the renderer, as the program does after its loop.
    void Stop();

    Dx12::Renderer* renderer() const { return renderer_; }

private:
    Dx12::Renderer* renderer_ = nullptr;
    ViewBuffer* view_ = nullptr;
};

// How both programs on the demo's loop start: with no display, so the window
// exists without X and Present only moves to the next back buffer (nothing
// waits for a vertical blank); the shader at `shaderPath` copied into
// `folder`; `loop` started. False once "<program>: <problem>" has been printed.
bool StartHeadless(const char* program, const std::string& shaderPath, ShaderFolder* folder,
                   DemoLoop* loop);

} // namespace bench
