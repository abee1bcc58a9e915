#include "pipeline_desc.h"

#include <d3dx12.h>

#include <iterator>

D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    ID3DBlob* vs, ID3DBlob* ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout) {
    return DescribePipeline(rootSignature, {vs->GetBufferPointer(), vs->GetBufferSize()},
                            {ps->GetBufferPointer(), ps->GetBufferSize()}, layout);
}

D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    D3D12_SHADER_BYTECODE vs,
                                                    D3D12_SHADER_BYTECODE ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc{};
    desc.pRootSignature = rootSignature;
    desc.VS = vs;
    desc.PS = ps;
    desc.BlendState = CD3DX12_BLEND_DESC(D3D12_DEFAULT);
    desc.SampleMask = 0xFFFFFFFF;
    desc.RasterizerState = CD3DX12_RASTERIZER_DESC(D3D12_DEFAULT);
    desc.InputLayout = layout;
    desc.PrimitiveTopologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
    desc.NumRenderTargets = 1;
    desc.RTVFormats[0] = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.SampleDesc.Count = 1;
    return desc;
}

void AddDepthBuffer(D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc) {
    desc.DepthStencilState.DepthEnable = TRUE;
    desc.DepthStencilState.DepthWriteMask = D3D12_DEPTH_WRITE_MASK_ALL;
    desc.DepthStencilState.DepthFunc = D3D12_COMPARISON_FUNC_LESS_EQUAL;
    desc.DSVFormat = DXGI_FORMAT_D32_FLOAT;
}

D3D12_INPUT_LAYOUT_DESC SystemInputLayout() {
    static const D3D12_INPUT_ELEMENT_DESC kElements[] = {
        {"POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"NORMAL", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 12,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"UV", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 24, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"COLOR", 0, DXGI_FORMAT_R32G32B32A32_FLOAT, 0, 32,
         D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
        {"SV_InstanceID", 0, DXGI_FORMAT_R32_UINT, 1, 0,
         D3D12_INPUT_CLASSIFICATION_PER_INSTANCE_DATA, 1},
    };
    return {kElements, UINT(std::size(kElements))};
}
