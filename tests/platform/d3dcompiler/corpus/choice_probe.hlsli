// Included by the preprocessor cases after they define CHOICE: PSMain returns
// (CHOICE, 0.5, 0, 1), the pixel's own values beside the choice so that the
// probe also reads arithmetic the GPU ran.
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(CHOICE, position.x, 0, position.w * 0.5);
}
