// Where Direct3D 12 accepts a vertex and a pixel shader together, each value
// the pixel shader reads arrives from the vertex output of the same semantic:
// drawn and read back.
#include "shader_reflection.h"

#include <device_fixture.h>
#include <pipeline_desc.h>
#include <standin_checks.h>

#include <d3dcompiler.h>

#include <gtest/gtest.h>

namespace {

using namespace shader_reflection;

// A full-target triangle from SV_VertexID; three values under three
// semantics, the first of type RED and the last of type BLUE.
constexpr char kVertexShaderWriting[] = R"hlsl(
struct Written {
    float4 position : SV_Position;
    RED red : COLOR;
    float4 green : NORMAL;
    BLUE blue : TEXCOORD0;
};
[RootSignature("RootFlags(0)")]
Written VSMain(uint id : SV_VertexID) {
    Written o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0.5, 1);
    o.red = RED(1, 0, 0, 1);
    o.green = float4(0, 1, 0, 1);
    o.blue = BLUE(0, 0, 1, 1);
    return o;
}
)hlsl";

std::string VertexShaderWriting(const char* red, const char* blue) {
    return std::string("#define RED ") + red + "\n#define BLUE " + blue + "\n" +
           kVertexShaderWriting;
}

const std::string kVertexShader = VertexShaderWriting("float4", "float4");

// `container` with `change` made to the output signature's `semantic`, as
// another compiler might describe an output.
std::vector<uint8_t> WithOutputChanged(const std::vector<uint8_t>& container,
                                       const std::string& semantic,
                                       void (*change)(dxbc::SignatureElement*)) {
    std::vector<dxbc::ChunkView> chunks;
    EXPECT_TRUE(dxbc::ReadContainer(container.data(), container.size(), &chunks, nullptr));
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> rewritten;
    for (const dxbc::ChunkView& chunk : chunks) {
        std::vector<uint8_t> bytes(chunk.data, chunk.data + chunk.size);
        std::vector<dxbc::SignatureElement> elements;
        if (chunk.fourcc == dxbc::kOutputSignatureChunk &&
            dxbc::ReadSignature(chunk, &elements, nullptr)) {
            for (dxbc::SignatureElement& element : elements) {
                if (element.semanticName == semantic) {
                    change(&element);
                }
            }
            bytes = dxbc::WriteSignature(elements);
        }
        rewritten.push_back({chunk.fourcc, std::move(bytes)});
    }
    return dxbc::WriteContainer(rewritten);
}

class LinkedStages : public DeviceFixture {
protected:
    // The colour at the target's centre after drawing with `pixelShader`
    // after `vertexShader`.
    uint32_t DrawnColour(const std::string& pixelShader,
                         const std::string& vertexShader = kVertexShader);
    // The messages creating a pipeline of the two shaders brings, which must
    // succeed or fail as `linked` says.
    std::vector<DebugMessage> LinkMessages(const std::string& vertexShader,
                                           const std::string& pixelShader, bool linked);
    // The two shaders compiled, with the vertex shader's root signature in
    // `root`; false, with a test failure, where one of them is not.
    bool CompileStages(const std::string& vertexShader, const std::string& pixelShader,
                       CompileResult* vs, CompileResult* ps, ComPtr<ID3D12RootSignature>* root);

    ScratchDirectory scratch{"linked"};
};

bool LinkedStages::CompileStages(const std::string& vertexShader, const std::string& pixelShader,
                                 CompileResult* vs, CompileResult* ps,
                                 ComPtr<ID3D12RootSignature>* root) {
    *vs = Compile(scratch.Write("stages.hlsl", vertexShader), "VSMain", "vs_5_0");
    *ps = Compile(scratch.Write("pixel.hlsl", pixelShader), "PSMain", "ps_5_0");
    EXPECT_EQ(vs->hr, S_OK) << vs->errors;
    EXPECT_EQ(ps->hr, S_OK) << ps->errors;
    if (FAILED(vs->hr) || FAILED(ps->hr)) {
        return false;
    }
    root->Attach(RootSignatureOf(device, {vs->code.data(), vs->code.size()}));
    return *root != nullptr;
}

uint32_t LinkedStages::DrawnColour(const std::string& pixelShader,
                                   const std::string& vertexShader) {
    CompileResult vs, ps;
    ComPtr<ID3D12RootSignature> root;
    if (!CompileStages(vertexShader, pixelShader, &vs, &ps, &root)) {
        return 0;
    }
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(
        root, {vs.code.data(), vs.code.size()}, {ps.code.data(), ps.code.size()}, {nullptr, 0});
    desc.RasterizerState.CullMode = D3D12_CULL_MODE_NONE;
    ComPtr<ID3D12PipelineState> pipeline{MakeGraphicsPipeline(device, desc)};
    ComPtr<ID3D12Resource> target{MakeTexture(16, 16, DXGI_FORMAT_R8G8B8A8_UNORM,
                                              D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
                                              D3D12_RESOURCE_STATE_RENDER_TARGET)};
    ComPtr<ID3D12DescriptorHeap> rtvHeap{MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV)};
    if (pipeline == nullptr || target == nullptr || rtvHeap == nullptr) {
        return 0;
    }
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateRenderTargetView(target, nullptr, rtv);
    RecordTriangleDrawState(list, rtv, 16, 16, root, pipeline);
    list->DrawInstanced(3, 1, 0, 0);
    ExecuteAndWait();
    std::vector<uint8_t> pixels = ReadBack(target, D3D12_RESOURCE_STATE_RENDER_TARGET);
    return pixels.size() == 16 * 16 * 4 ? PixelAt(pixels, 16, 8, 8) : 0;
}

std::vector<DebugMessage> LinkedStages::LinkMessages(const std::string& vertexShader,
                                                     const std::string& pixelShader, bool linked) {
    CompileResult vs, ps;
    ComPtr<ID3D12RootSignature> root;
    if (!CompileStages(vertexShader, pixelShader, &vs, &ps, &root)) {
        return {};
    }
    D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(
        root, {vs.code.data(), vs.code.size()}, {ps.code.data(), ps.code.size()}, {nullptr, 0});
    TakeDebugMessages(device); // only what the pipeline brings
    ComPtr<ID3D12PipelineState> pipeline;
    EXPECT_EQ(
        device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid()),
        linked ? S_OK : E_INVALIDARG);
    return TakeDebugMessages(device);
}

TEST_F(LinkedStages, ValuesArriveBySemantic) {
    const uint32_t red = 0xFF0000FFu, green = 0xFF00FF00u, blue = 0xFFFF0000u;
    // The pixel shader reads the first values only.
    EXPECT_EQ(DrawnColour("struct Read { float4 p : SV_Position; float4 c : COLOR; };\n"
                          "float4 PSMain(Read r) : SV_Target { return r.c; }\n"),
              red);
    // All of them, returning the second.
    EXPECT_EQ(DrawnColour("struct Read { float4 p : SV_Position; float4 c : COLOR;\n"
                          "              float4 n : NORMAL; float4 t : TEXCOORD0; };\n"
                          "float4 PSMain(Read r) : SV_Target { return r.n + 0 * r.c * r.t; }\n"),
              green);
    // Semantics in another case name the same values.
    EXPECT_EQ(DrawnColour("struct Read { float4 p : sv_position; float4 c : color;\n"
                          "              float4 n : normal; float4 t : texcoord0; };\n"
                          "float4 PSMain(Read r) : SV_Target { return r.t + 0 * r.c * r.n; }\n"),
              blue);
}

// What the pixel shader reads must come from an output that is the same
// system value (or none) and is written where it is always read; outputs the
// pixel shader does not read may be anything.
TEST_F(LinkedStages, OutputSignaturesThatFailTheReadsAreRefused) {
    CompileResult vs, ps;
    ComPtr<ID3D12RootSignature> root;
    ASSERT_TRUE(CompileStages(kVertexShader,
                              "struct Read { float4 p : SV_Position; float4 c : COLOR; };\n"
                              "float4 PSMain(Read r) : SV_Target { return r.c; }\n",
                              &vs, &ps, &root));
    const auto neverWritten = [](dxbc::SignatureElement* e) { e->readWriteMask = e->mask; };
    const auto clipDistance = [](dxbc::SignatureElement* e) {
        e->systemValue = D3D_NAME_CLIP_DISTANCE;
    };
    const struct {
        const char* semantic;
        void (*change)(dxbc::SignatureElement*);
        D3D12_MESSAGE_ID refusal; // 0: linked
    } cases[] = {
        {"COLOR", neverWritten,
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_NEVERWRITTEN_ALWAYSREADS},
        {"COLOR", clipDistance,
         D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_SYSTEMVALUE},
        {"NORMAL", neverWritten, D3D12_MESSAGE_ID(0)},
        {"NORMAL", clipDistance, D3D12_MESSAGE_ID(0)},
    };
    TakeDebugMessages(device); // only what the pipelines below bring
    for (const auto& change : cases) {
        std::vector<uint8_t> changed = WithOutputChanged(vs.code, change.semantic, change.change);
        D3D12_GRAPHICS_PIPELINE_STATE_DESC desc = DescribePipeline(
            root, {changed.data(), changed.size()}, {ps.code.data(), ps.code.size()}, {nullptr, 0});
        ComPtr<ID3D12PipelineState> pipeline;
        EXPECT_EQ(
            device->CreateGraphicsPipelineState(&desc, IID_ID3D12PipelineState, pipeline.PutVoid()),
            change.refusal != 0 ? E_INVALIDARG : S_OK)
            << change.semantic << " " << change.refusal;
        std::vector<DebugMessage> messages = TakeDebugMessages(device);
        EXPECT_EQ(messages.size(), change.refusal != 0 ? 1u : 0u);
        if (change.refusal != 0) {
            EXPECT_EQ(CountMessages(messages, change.refusal), 1u) << change.refusal;
        }
    }
    AcknowledgeProvokedErrors();
}

// The vertex shader's values again, under minimum-precision types.
const std::string kMinPrecisionVertexShader = VertexShaderWriting("min16float4", "min10float4");

// The pixel shader's inputs as the vertex shader writes them, under the types
// given: what it returns is its colour and texture coordinate.
std::string ReaderOf(const char* colour, const char* normal, const char* texcoord) {
    return std::string("struct Read { float4 p : SV_Position; ") + colour + " c : COLOR; " +
           normal + " n : NORMAL; " + texcoord +
           " t : TEXCOORD0; };\n"
           "float4 PSMain(Read r) : SV_Target { return r.c + r.t + (r.n - float4(0, 1, 0, 1)); }\n";
}

// An output and the input of its semantic declare the same minimum precision
// (16-bit, 10-bit or none) or the pipeline is refused; where they agree the
// values arrive, computed at 32 bits on a device without minimum precision.
TEST_F(LinkedStages, MinimumPrecisionsMustAgree) {
    EXPECT_EQ(
        DrawnColour(ReaderOf("min16float4", "float4", "min10float4"), kMinPrecisionVertexShader),
        0xFFFF00FFu);
    EXPECT_TRUE(TakeDebugMessages(device).empty());
    const struct {
        const char* colour;
        const char* normal;
        const char* texcoord;
        bool linked;
    } cases[] = {
        {"min16float4", "float4", "min10float4", true},
        {"float4", "float4", "min10float4", false},           // 16-bit output, 32-bit input
        {"min16float4", "float4", "min16float4", false},      // 10-bit output, 16-bit input
        {"min16float4", "min16float4", "min10float4", false}, // 32-bit output, 16-bit input
    };
    for (const auto& link : cases) {
        SCOPED_TRACE(ReaderOf(link.colour, link.normal, link.texcoord));
        std::vector<DebugMessage> messages =
            LinkMessages(kMinPrecisionVertexShader,
                         ReaderOf(link.colour, link.normal, link.texcoord), link.linked);
        EXPECT_EQ(messages.size(), link.linked ? 0u : 1u);
        EXPECT_EQ(
            CountMessages(messages,
                          D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_MINPRECISION),
            link.linked ? 0u : 1u);
    }
    AcknowledgeProvokedErrors();
}

} // namespace
