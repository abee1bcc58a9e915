// The colour a render target holds after ClearRenderTargetView, as Microsoft's
// "Data Conversion Rules" page converts the floats into the view's format.
#pragma once

#include <windows.h>

#include <dxgiformat.h>

namespace d3d12_standin {

// `stored` receives each of `colour` as a channel of `format` holds it, as a
// float Vulkan's clear writes unchanged: UNORM, SNORM and sRGB channels take
// NaN as 0 and saturate, UNORM and SNORM are rounded to their steps; 16-,
// 11- and 10-bit floats round towards zero, keep NaN, infinities and
// denormals, and values past their range become the largest finite one (the
// 11- and 10-bit ones have no sign: negatives are 0); integer channels take
// NaN as 0 and round to the nearest even integer, saturated to their width.
void StoredClearColour(DXGI_FORMAT format, const float colour[4], float stored[4]);

} // namespace d3d12_standin
