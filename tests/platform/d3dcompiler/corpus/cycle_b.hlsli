// Included by the corpus shaders.
#include "error_x1506_mutual_include.hlsl"
