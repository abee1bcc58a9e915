#include "pipeline_desc.h"

#include <gtest/gtest.h>

#include <iterator>

ID3D12RootSignature* RootSignatureOf(ID3D12Device* device, ID3DBlob* shader) {
    return RootSignatureOf(device, {shader->GetBufferPointer(), shader->GetBufferSize()});
}

ID3D12RootSignature* RootSignatureOf(ID3D12Device* device, D3D12_SHADER_BYTECODE shader) {
    ID3D12RootSignature* rootSignature = nullptr;
    EXPECT_EQ(device->CreateRootSignature(0, shader.pShaderBytecode, shader.BytecodeLength,
                                          IID_ID3D12RootSignature,
                                          reinterpret_cast<void**>(&rootSignature)),
              S_OK);
    return rootSignature;
}

D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    ID3DBlob* vs, ID3DBlob* ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout) {
    return DescribePipeline(rootSignature, {vs->GetBufferPointer(), vs->GetBufferSize()},
                            {ps->GetBufferPointer(), ps->GetBufferSize()}, layout);
}

namespace {

// The blend and rasteriser states Direct3D 12 documents as the defaults.
D3D12_BLEND_DESC DefaultBlend() {
    D3D12_BLEND_DESC blend{};
    for (D3D12_RENDER_TARGET_BLEND_DESC& target : blend.RenderTarget) {
        target = {FALSE,
                  FALSE,
                  D3D12_BLEND_ONE,
                  D3D12_BLEND_ZERO,
                  D3D12_BLEND_OP_ADD,
                  D3D12_BLEND_ONE,
                  D3D12_BLEND_ZERO,
                  D3D12_BLEND_OP_ADD,
                  D3D12_LOGIC_OP_NOOP,
                  D3D12_COLOR_WRITE_ENABLE_ALL};
    }
    return blend;
}

D3D12_RASTERIZER_DESC DefaultRasterizer() {
    D3D12_RASTERIZER_DESC rasterizer{};
    rasterizer.FillMode = D3D12_FILL_MODE_SOLID;
    rasterizer.CullMode = D3D12_CULL_MODE_BACK;
    rasterizer.DepthClipEnable = TRUE;
    return rasterizer;
}

} // namespace

D3D12_GRAPHICS_PIPELINE_STATE_DESC DescribePipeline(ID3D12RootSignature* rootSignature,
                                                    D3D12_SHADER_BYTECODE vs,
                                                    D3D12_SHADER_BYTECODE ps,
                                                    D3D12_INPUT_LAYOUT_DESC layout) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc{};
    desc.pRootSignature = rootSignature;
    desc.VS = vs;
    desc.PS = ps;
    desc.BlendState = DefaultBlend();
    desc.SampleMask = 0xFFFFFFFF;
    desc.RasterizerState = DefaultRasterizer();
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

D3D12_INPUT_LAYOUT_DESC PositionLayout() {
    static constexpr D3D12_INPUT_ELEMENT_DESC kPosition[] = {
        {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 0, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
         0}};
    return {kPosition, 1};
}

ID3D12PipelineState* MakeGraphicsPipeline(ID3D12Device* device,
                                          const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc) {
    ID3D12PipelineState* pipeline = nullptr;
    EXPECT_EQ(device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState,
                                                  reinterpret_cast<void**>(&pipeline)),
              S_OK);
    return pipeline;
}

ID3D12PipelineState* MakeComputePipeline(ID3D12Device* device, ID3D12RootSignature* rootSignature,
                                         ID3DBlob* cs) {
    D3D12_COMPUTE_PIPELINE_STATE_DESC desc{};
    desc.pRootSignature = rootSignature;
    desc.CS = {cs->GetBufferPointer(), cs->GetBufferSize()};
    ID3D12PipelineState* pipeline = nullptr;
    EXPECT_EQ(device->CreateComputePipelineState(&desc, IID_ID3D12PipelineState,
                                                 reinterpret_cast<void**>(&pipeline)),
              S_OK);
    return pipeline;
}
