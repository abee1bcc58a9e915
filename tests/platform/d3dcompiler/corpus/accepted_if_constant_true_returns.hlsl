// Windows: the compiler folds a constant condition before it judges the paths,
// so `if (1)` whose branch returns, and `if (0) ... else` whose else returns,
// return on every path.
// verdict: accepted
// group: accept
// source: fxc's X3507 ("Not all control paths return a value") is judged after constant folding; issue 20 records Windows compiling `if (1) { return x; }`
float Fallback(float y)
{
    if (2 - 2)
        return 0.0;
    else
        return 0.5 + 0.5 * y;
}
float Shade(float y)
{
    if (1) {
        return Fallback(y);
    }
}
#include "shade_stages.hlsli"
