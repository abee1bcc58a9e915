// Included by the corpus shaders.
#ifndef GUARDED_B
#define GUARDED_B
#include "guarded_a.hlsli"
static const float kGuardedB = 2.0;
#endif
