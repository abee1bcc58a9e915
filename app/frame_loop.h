// One pass of the program's frame loop, shared by the entry function and the
// benchmark that times it.
#pragma once

#include <scene/buffers.h>

namespace Dx12 {
class Renderer;
}

// The steps of a frame that a caller may time, in the order they come.
enum class FrameStep {
    Update,  // the update pass is about to start
    Draw,    // the draw pass is about to start
    Present, // the present is about to start
    Counted, // the frame has been presented and counted
};
using FrameStepHook = void (*)(FrameStep step, void* context);

// One frame: a quit request from outside becomes a quit message, the messages
// are pumped, F5 empties the shader cache, the camera moves, the update and
// draw passes run, the frame is presented and counted. `hook`, when given, is
// called at each step with `context`. False once the pump has seen a quit
// message; nothing is drawn then.
bool RunFrame(Dx12::Renderer* renderer, ViewBuffer* view, FrameStepHook hook = nullptr,
              void* context = nullptr);
