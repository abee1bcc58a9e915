// Included by the corpus shaders.
#ifndef GUARDED_A
#define GUARDED_A
#include "guarded_b.hlsli"
static const float kGuardedA = 0.5;
#endif
