// The pipeline description the tests start from, so that each test writes
// only what it changes.
#pragma once

#include <windows.h>

#include <d3d12.h>

// The root signature compiled into `shader`; null, with a test failure, when
// the device refuses it.
ID3D12RootSignature* RootSignatureOf(ID3D12Device* device, ID3DBlob* shader);
ID3D12RootSignature* RootSignatureOf(ID3D12Device* device, D3D12_SHADER_BYTECODE shader);

// `vs` and `ps` with `rootSignature` and `layout`: triangles, the default
// rasteriser (solid, back faces culled, depth clipping) and blend (off, all
// channels written), one RGBA8 target, no depth buffer, one sample.
D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    ID3DBlob* vs, ID3DBlob* ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout);
// The same for shader code held elsewhere than in blobs.
D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    D3D12_SHADER_BYTECODE vs,
                                                    D3D12_SHADER_BYTECODE ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout);

// The system's fixed input layout: position, normal, uv and colour from slot
// 0; the instance index arrives as a system value from slot 1, which has no
// buffer.
D3D12_INPUT_LAYOUT_DESC SystemInputLayout();

// One float2 POSITION per vertex from slot 0: the tests' 2-D vertices.
D3D12_INPUT_LAYOUT_DESC PositionLayout();

// The pipeline of `desc`; null, with a test failure, when the device refuses
// it.
ID3D12PipelineState* MakeGraphicsPipeline(ID3D12Device* device,
                                          const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc);

// The compute pipeline of `cs` with `rootSignature`; null, with a test
// failure, when the device refuses it.
ID3D12PipelineState* MakeComputePipeline(ID3D12Device* device, ID3D12RootSignature* rootSignature,
                                         ID3DBlob* cs);

// Adds a D32 depth buffer, tested LESS_EQUAL and written.
void AddDepthBuffer(D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc);
