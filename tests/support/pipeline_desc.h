// The pipeline description the tests start from, so that each test writes
// only what it changes.
#pragma once

#include <windows.h>

#include <d3d12.h>

// `vs` and `ps` with `rootSignature` and `layout`: triangles, the default
// rasteriser (solid, back faces culled, depth clipping) and blend (off, all
// channels written), one RGBA8 target, no depth buffer, one sample.
D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    ID3DBlob* vs, ID3DBlob* ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout);

// Adds a D32 depth buffer, tested LESS_EQUAL and written.
void AddDepthBuffer(D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc);
