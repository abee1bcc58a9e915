// Included by error_x1507_cpp_angle_include_not_beside_includer.hlsl: names
// its neighbour in angle brackets, which are not looked for in this folder.
#include <angle_neighbour.hlsli>
