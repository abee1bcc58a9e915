// Included by the texture-offset cases: resource_stages.hlsli with a float
// image at t0, a sampler at s0 and two integers, 0 and 1, read from b0, where
// a literal offset would stand.
#include "resource_stages.hlsli"
cbuffer Choice : register(b0)
{
    int zero;
    int one;
};
Texture2D<float> image : register(t0);
SamplerState nearest : register(s0);
