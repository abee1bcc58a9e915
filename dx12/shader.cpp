#include "shader.h"

#include "helpers.h"

#include <cstdio>
#include <cstring>

namespace Dx12 {

namespace {

const D3D12_INPUT_ELEMENT_DESC kInputLayout[] = {
    {"POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
     0},
    {"NORMAL", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 12, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
     0},
    {"UV", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 24, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA, 0},
    {"COLOR", 0, DXGI_FORMAT_R32G32B32A32_FLOAT, 0, 32, D3D12_INPUT_CLASSIFICATION_PER_VERTEX_DATA,
     0},
    {"SV_InstanceID", 0, DXGI_FORMAT_R32_UINT, 1, 0, D3D12_INPUT_CLASSIFICATION_PER_INSTANCE_DATA,
     1},
};

D3D12_SHADER_BYTECODE ByteCodeOf(const std::vector<uint8_t>* code) {
    D3D12_SHADER_BYTECODE byteCode = {};
    if (code != nullptr) {
        byteCode.pShaderBytecode = code->data();
        byteCode.BytecodeLength = code->size();
    }
    return byteCode;
}

} // namespace

void PrintCompileError(ID3DBlob* errors) {
    std::printf("\n===============================================\nCOMPILE ERROR\n");
    if (errors != nullptr) {
        // The compiler's text usually ends in a zero, but the blob's size is
        // what bounds it.
        const char* text = static_cast<const char*>(errors->GetBufferPointer());
        const size_t length = text != nullptr ? strnlen(text, errors->GetBufferSize()) : 0;
        std::printf("%.*s\n", static_cast<int>(length), text != nullptr ? text : "");
    }
    std::printf("\n===============================================\n\n");
}

void CompileShaderFromFile(std::vector<uint8_t>& code, const char* fileName, const char* entryPoint,
                           const char* target, UINT flags, ID3DBlob** rootSignatureBlob) {
    if (fileName == nullptr) {
        std::printf("%s : Invalid Filename\n", "Dx12::CompileShaderFromFile");
        return;
    }
    // Each byte becomes one code unit, without code-page conversion.
    std::vector<WCHAR> wideName;
    for (const char* c = fileName; *c != '\0'; ++c) {
        wideName.push_back(static_cast<WCHAR>(static_cast<unsigned char>(*c)));
    }
    wideName.push_back(0);

    ID3DBlob* codeBlob = nullptr;
    ID3DBlob* errorBlob = nullptr;
    const HRESULT compiled =
        D3DCompileFromFile(wideName.data(), nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE, entryPoint,
                           target, flags, 0, &codeBlob, &errorBlob);
    if (codeBlob != nullptr) {
        const uint8_t* bytes = static_cast<const uint8_t*>(codeBlob->GetBufferPointer());
        code.assign(bytes, bytes + codeBlob->GetBufferSize());
        if (rootSignatureBlob != nullptr) {
            D3DGetBlobPart(codeBlob->GetBufferPointer(), codeBlob->GetBufferSize(),
                           D3D_BLOB_ROOT_SIGNATURE, 0, rootSignatureBlob);
        }
    } else {
        PrintCompileError(errorBlob);
        if (errorBlob == nullptr) {
            // A missing file fails with a code alone: empty banners would say nothing.
            std::printf("%s : ERROR : %s : D3DCompileFromFile failed with %08X and no error text\n",
                        "Dx12::CompileShaderFromFile", fileName, static_cast<unsigned>(compiled));
        }
    }
    ReleaseAndNull(codeBlob);
    ReleaseAndNull(errorBlob);
}

D3D12_BLEND_DESC CreateBlendDesc() {
    std::printf("Warning: BlendEnable=FALSE\n");
    D3D12_BLEND_DESC desc = {};
    desc.AlphaToCoverageEnable = FALSE;
    desc.IndependentBlendEnable = FALSE;
    for (D3D12_RENDER_TARGET_BLEND_DESC& target : desc.RenderTarget) {
        target.BlendEnable = FALSE;
        target.LogicOpEnable = FALSE;
        target.SrcBlend = D3D12_BLEND_SRC_ALPHA;
        target.DestBlend = D3D12_BLEND_INV_DEST_ALPHA;
        target.BlendOp = D3D12_BLEND_OP_ADD;
        target.SrcBlendAlpha = D3D12_BLEND_ONE;
        target.DestBlendAlpha = D3D12_BLEND_ZERO;
        target.BlendOpAlpha = D3D12_BLEND_OP_ADD;
        target.LogicOp = D3D12_LOGIC_OP_NOOP;
        target.RenderTargetWriteMask = D3D12_COLOR_WRITE_ENABLE_ALL;
    }
    return desc;
}

const D3D12_INPUT_ELEMENT_DESC* InputLayout(UINT* count) {
    *count = static_cast<UINT>(sizeof(kInputLayout) / sizeof(kInputLayout[0]));
    return kInputLayout;
}

D3D12_GRAPHICS_PIPELINE_STATE_DESC
DescribeGraphicsPipelineState(ID3D12RootSignature* rootSignature, int numRenderTargets,
                              DXGI_FORMAT rtvFormat, DXGI_FORMAT dsvFormat,
                              const std::vector<uint8_t>* vs, const std::vector<uint8_t>* gs,
                              const std::vector<uint8_t>* ps) {
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.pRootSignature = rootSignature;
    desc.VS = ByteCodeOf(vs);
    desc.PS = ByteCodeOf(ps);
    desc.GS = ByteCodeOf(gs);
    desc.BlendState = CreateBlendDesc();
    desc.SampleMask = 0xFFFFFFFFu;

    D3D12_RASTERIZER_DESC& rasterizer = desc.RasterizerState;
    rasterizer.FillMode = D3D12_FILL_MODE_SOLID;
    rasterizer.CullMode = D3D12_CULL_MODE_BACK;
    rasterizer.FrontCounterClockwise = FALSE;
    rasterizer.DepthBias = 0;
    rasterizer.DepthBiasClamp = 0.0f;
    rasterizer.SlopeScaledDepthBias = 0.0f;
    rasterizer.DepthClipEnable = TRUE;
    rasterizer.MultisampleEnable = FALSE;
    rasterizer.AntialiasedLineEnable = FALSE;
    rasterizer.ForcedSampleCount = 0;
    rasterizer.ConservativeRaster = D3D12_CONSERVATIVE_RASTERIZATION_MODE_OFF;

    D3D12_DEPTH_STENCIL_DESC& depth = desc.DepthStencilState;
    depth.DepthEnable = TRUE;
    depth.DepthWriteMask = D3D12_DEPTH_WRITE_MASK_ALL;
    depth.DepthFunc = D3D12_COMPARISON_FUNC_LESS_EQUAL;
    depth.StencilEnable = FALSE;
    depth.StencilReadMask = 0xFF;
    depth.StencilWriteMask = 0xFF;
    for (D3D12_DEPTH_STENCILOP_DESC* face : {&depth.FrontFace, &depth.BackFace}) {
        face->StencilFailOp = D3D12_STENCIL_OP_KEEP;
        face->StencilDepthFailOp = D3D12_STENCIL_OP_KEEP;
        face->StencilPassOp = D3D12_STENCIL_OP_KEEP;
        face->StencilFunc = D3D12_COMPARISON_FUNC_ALWAYS;
    }

    desc.InputLayout.pInputElementDescs = InputLayout(&desc.InputLayout.NumElements);
    desc.IBStripCutValue = D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_DISABLED;
    desc.PrimitiveTopologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
    desc.NumRenderTargets = static_cast<UINT>(numRenderTargets);
    for (int i = 0; i < 8; ++i) {
        desc.RTVFormats[i] = i < numRenderTargets ? rtvFormat : DXGI_FORMAT_UNKNOWN;
    }
    desc.DSVFormat = dsvFormat;
    desc.SampleDesc.Count = 1;
    desc.SampleDesc.Quality = 0;
    desc.NodeMask = 0;
    desc.Flags = D3D12_PIPELINE_STATE_FLAG_NONE;
    return desc;
}

ID3D12PipelineState*
CreateGraphicsPipelineState(ID3D12Device* device, ID3D12RootSignature* rootSignature,
                            int numRenderTargets, DXGI_FORMAT rtvFormat, DXGI_FORMAT dsvFormat,
                            const std::vector<uint8_t>* vs, const std::vector<uint8_t>* gs,
                            const std::vector<uint8_t>* ps) {
    if (IsNullDevice(device, "Dx12::CreateGraphicsPipelineState")) {
        return nullptr;
    }
    const D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribeGraphicsPipelineState(
        rootSignature, numRenderTargets, rtvFormat, dsvFormat, vs, gs, ps);
    ID3D12PipelineState* pipelineState = nullptr;
    HRESULT result = device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState,
                                                         reinterpret_cast<void**>(&pipelineState));
    if (result < 0) {
        std::printf("FAILED : CreateGraphicsPipelineState reason=%08X\n",
                    static_cast<unsigned>(result));
    } else {
        std::printf("OK! : CreateGraphicsPipelineState\n");
    }
    return pipelineState;
}

Shader::Shader(ID3D12Device* device, const char* fileName, bool offscreen, int numRenderTargets) {
    ID3DBlob* rootSignatureBlob = nullptr;
    CompileShaderFromFile(vsCode, fileName, "VSMain", "vs_5_0", 0, &rootSignatureBlob);
    CompileShaderFromFile(psCode, fileName, "PSMain", "ps_5_0", 0, nullptr);
    if (rootSignatureBlob == nullptr) {
        return;
    }
    if (device != nullptr) {
        device->CreateRootSignature(0, rootSignatureBlob->GetBufferPointer(),
                                    rootSignatureBlob->GetBufferSize(), IID_ID3D12RootSignature,
                                    reinterpret_cast<void**>(&rootSignature));
    }
    rootSignatureBlob->Release();
    if (rootSignature == nullptr) {
        std::printf("%s : Warning : cant create root signature from hlsl\n",
                    "Dx12::Shader::Shader");
    }
    builtFor_ = TargetKind(offscreen ? OFFSCREEN_FORMAT : BACK_BUFFER_FORMAT, numRenderTargets);
    pipelineState =
        CreateGraphicsPipelineState(device, rootSignature, numRenderTargets, builtFor_.first,
                                    DXGI_FORMAT_D32_FLOAT, &vsCode, nullptr, &psCode);
    if (pipelineState != nullptr) {
        std::printf("%s : OK filename=%s\n", "Dx12::Shader::Shader", fileName);
    } else {
        std::printf("ERROR : %s : CreateGraphicsPipelineState\n", "Dx12::Shader::Shader");
    }
}

ID3D12PipelineState* Shader::PipelineFor(ID3D12Device* device, bool offscreen,
                                         int numRenderTargets) {
    const TargetKind kind(offscreen ? OFFSCREEN_FORMAT : BACK_BUFFER_FORMAT, numRenderTargets);
    if (pipelineState == nullptr || kind == builtFor_) {
        return pipelineState;
    }
    auto found = otherPipelines_.find(kind);
    if (found != otherPipelines_.end()) {
        return found->second;
    }
    ID3D12PipelineState* built =
        CreateGraphicsPipelineState(device, rootSignature, numRenderTargets, kind.first,
                                    DXGI_FORMAT_D32_FLOAT, &vsCode, nullptr, &psCode);
    if (built == nullptr) {
        std::printf("ERROR : %s : CreateGraphicsPipelineState\n", "Dx12::Shader::PipelineFor");
    }
    otherPipelines_[kind] = built;
    return built;
}

Shader::~Shader() {
    for (auto& [kind, pipeline] : otherPipelines_) {
        ReleaseAndNull(pipeline);
    }
    psCode.clear();
    psCode.shrink_to_fit();
    vsCode.clear();
    vsCode.shrink_to_fit();
}

} // namespace Dx12
