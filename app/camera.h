// The camera that circles the demo scene at radius 5 and height 3, always
// looking at the origin.
#pragma once

#include <scene/buffers.h>

// Advances the process-wide camera angle by one frame's step, then writes this
// frame's view and projection into `view`, moving the old ones to prevView and
// prevProjection.
void MoveCamera(ViewBuffer* view);
