// Run-time compiled HLSL shaders with the root signature embedded in the
// vertex shader, and the one graphics pipeline configuration the system uses.
#pragma once

#include "resource.h"

#include <windows.h>

#include <d3d12.h>
#include <d3dcompiler.h>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace Dx12 {

class Shader : public Resource {
public:
    // `offscreen`: draws into the colour textures of a RenderTarget rather than
    // a swap-chain back buffer.
    Shader(ID3D12Device* device, const char* fileName, bool offscreen, int numRenderTargets);
    ~Shader() override;

    // The pipeline that draws into `numRenderTargets` targets of the off-screen
    // or the back-buffer format. A pipeline is bound to its target formats, so
    // one file drawn into both kinds needs one pipeline per kind: the one built
    // with the shader is `pipelineState`, any other is built on first request
    // and kept. Null when the shader has no pipeline or the build fails.
    ID3D12PipelineState* PipelineFor(ID3D12Device* device, bool offscreen, int numRenderTargets);

    std::vector<uint8_t> vsCode;
    std::vector<uint8_t> psCode;

private:
    // A target kind: its colour format and how many targets.
    using TargetKind = std::pair<DXGI_FORMAT, int>;
    TargetKind builtFor_;
    // Pipelines of the other kinds, null for a kind whose build failed (it is
    // not tried again).
    std::map<TargetKind, ID3D12PipelineState*> otherPipelines_;
};

// Compiles one entry point of a file into `code` (left as it was on failure).
// When `rootSignatureBlob` is given, it receives the embedded root signature
// or stays null; the caller releases it.
void CompileShaderFromFile(std::vector<uint8_t>& code, const char* fileName, const char* entryPoint,
                           const char* target, UINT flags, ID3DBlob** rootSignatureBlob);

// Prints the COMPILE ERROR banners around the compiler's text (none when
// `errors` is null).
void PrintCompileError(ID3DBlob* errors);

// The blend description of every pipeline: blending off. Prints a warning line.
D3D12_BLEND_DESC CreateBlendDesc();

// The input layout of every pipeline: the 48-byte vertex record in slot 0 and
// the instance index.
const D3D12_INPUT_ELEMENT_DESC* InputLayout(UINT* count);

// Fills the pipeline description with the fixed render states. The result
// points into `vs`, `gs` and `ps` (each optional) and the static input layout.
D3D12_GRAPHICS_PIPELINE_STATE_DESC
DescribeGraphicsPipelineState(ID3D12RootSignature* rootSignature, int numRenderTargets,
                              DXGI_FORMAT rtvFormat, DXGI_FORMAT dsvFormat,
                              const std::vector<uint8_t>* vs, const std::vector<uint8_t>* gs,
                              const std::vector<uint8_t>* ps);

// Returns a new pipeline state or null, printing the outcome.
ID3D12PipelineState*
CreateGraphicsPipelineState(ID3D12Device* device, ID3D12RootSignature* rootSignature,
                            int numRenderTargets, DXGI_FORMAT rtvFormat, DXGI_FORMAT dsvFormat,
                            const std::vector<uint8_t>* vs, const std::vector<uint8_t>* gs,
                            const std::vector<uint8_t>* ps);

} // namespace Dx12
