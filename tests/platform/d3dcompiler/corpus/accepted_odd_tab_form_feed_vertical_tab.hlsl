// Windows: tabs, form feeds and vertical tabs separate tokens as spaces do.
// verdict: accepted
// group: syntax
// source: C99 6.4 (white space: space, horizontal tab, new-line, vertical tab, form feed), which HLSL's grammar follows (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar)
float	Shade(	float y )
{
	returny*	1.0;
}

#include "shade_stages.hlsli"
