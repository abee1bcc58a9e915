// Windows: a '\' at the very end of the file joins nothing and is accepted.
// verdict: accepted
// group: syntax
// source: C99 5.1.1.2 (a backslash before a new-line splices lines); the file's last line ends in one
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
// the end \
