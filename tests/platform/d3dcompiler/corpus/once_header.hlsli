// Included by the corpus shaders.
#pragma once
static const float kOnceScale = 0.75;
