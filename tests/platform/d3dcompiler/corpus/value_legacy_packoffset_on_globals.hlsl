// Windows: packoffset on a global places it in $Globals; a global without one
// comes after the last one placed by hand, and the two may be mixed there.
// verdict: accepted
// probe: 4 5 6 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset ("A global constant. A global variable is added as a global constant to a $Global cbuffer by the compiler. Automatically packed elements (those declared without packoffset) will appear after the last manually packed variable. You may mix types when packing global constants.")
#include "probe_stages.hlsli"
float placed : packoffset(c1);
float2 automatic;
float4 PSMain() : SV_Target
{
    return float4(placed, automatic, 0);
}
