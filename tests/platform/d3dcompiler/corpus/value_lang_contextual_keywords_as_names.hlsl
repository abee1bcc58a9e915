// Windows: sample, precise, globallycoherent and center are keywords only
// where a modifier may stand, and elsewhere name variables.
// verdict: accepted
// probe: 1 2 3 4
// group: declarations
// source: DirectXShaderCompiler pull request 1406 ("FXC also allows sample, precise and globallycoherent to be used as identifiers at places where interpolation modifiers are not expected", found in existing game shaders); glslang pull request 597 (sample as an identifier)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float sample = position.x * 2.0;
    float precise = 2.0;
    float globallycoherent = 3.0;
    float center = 4.0;
    return float4(sample, precise, globallycoherent, center);
}
