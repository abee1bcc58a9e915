// Windows: lines ended by CR alone, as old Mac editors save, compile.
// verdict: accepted
// group: syntax
// source: the C and HLSL preprocessors take CR, LF and CRLF as line ends; fxc reads such files
float Shade(float y){    float r = y; // a comment to the line's end    return r;}#include "shade_stages.hlsli"