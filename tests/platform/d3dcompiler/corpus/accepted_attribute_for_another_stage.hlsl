// Windows: an attribute of another stage's entry point ([maxvertexcount],
// [domain]) on an ordinary function is only a warning (X3554).
// verdict: accepted
// warning: X3554 unknown attribute domain, or attribute invalid for this statement
// group: attributes
// source: fxc's "warning X3554: unknown attribute domain, or attribute invalid for this statement" for [domain("quad")] int domain_fn(), and the same warning for [numthreads], [instance] and [maxtessfactor] on functions, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
[domain("quad")]
float Half(float y)
{
    return 0.5 * y;
}
[maxvertexcount(3)]
float Shade(float y)
{
    return 0.5 + Half(y);
}
#include "shade_stages.hlsli"
