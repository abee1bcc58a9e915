// Windows: a structure input whose member has no semantic: the parameter is
// named as missing semantics.
// verdict: compile-error PSMain X3502
// group: semantics
// error text: error X3502: 'PSMain': input parameter 'input' missing semantics
// source: fxc's words as Tint's test expectations quote them for a structure parameter whose member lacks one ("error X3502: 'f': input parameter 'inputs' missing semantics")
#include "probe_stages.hlsli"
struct PixelIn
{
    float4 position : SV_Position;
    float4 tint;
};
float4 PSMain(PixelIn input) : SV_Target
{
    return input.position * input.tint;
}
