// Windows: a /* comment that the file ends inside stops the compile.
// verdict: compile-error PSMain -
// group: syntax
// source: C99 6.4.9 (a /* comment ends with */; the end of the file inside one is an error); Windows' number for it was not found
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
/* the rest of the file
