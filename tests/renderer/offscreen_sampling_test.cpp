// A view drawn into an off-screen target, then sampled by a second view, all
// with the renderer's one shader-visible heap and without a debug-layer report.
#include "renderer_fixture.h"

#include <gpu_test_support.h>
#include <vertex_input_hlsl.h>
#include <platform_testing.h>

#include <cstdio>
#include <fstream>

namespace {

// clang-format off
const std::string kVertexPart = kVertexInputHlsl + std::string(R"hlsl(
cbuffer uniform0 : register(b0) { float4 unusedConstants; };
struct PixelInput { float4 position : SV_Position; float4 color : COLOR; };
PixelInput Cover(VertexInput input) {
    PixelInput output;
    output.position = float4(input.position * 0.5 + float3(0, 0, 0.5), 1);
    output.color = input.color * 0 + unusedConstants * 0 + float4(input.normal, input.uv.x) * 0;
    output.color.a += input.uv.y * 0 + input.instanceId * 0;
    return output;
}
)hlsl");

// Writes a fixed colour into the off-screen target.
constexpr const char* kFillShader = R"hlsl(
#define FILL "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
[RootSignature(FILL)]
PixelInput VSMain(VertexInput input) { return Cover(input); }
float4 PSMain(PixelInput input) : SV_Target { return float4(0.75, 0.25, 0.5, 1) + input.color; }
)hlsl";

// Shows the centre texel of the 64 x 64 texture in root parameter 1.
constexpr const char* kShowShader = R"hlsl(
#define SHOW "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0))"
Texture2D<float4> shown : register(t0);
[RootSignature(SHOW)]
PixelInput VSMain(VertexInput input) { return Cover(input); }
float4 PSMain(PixelInput input) : SV_Target { return shown.Load(int3(32, 32, 0)) + input.color; }
)hlsl";
// clang-format on

std::string WriteShader(const char* name, const char* body) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path) << kVertexPart << body;
    return path;
}

// The off-screen view "offscreen_view": a 64 x 64 target with one colour
// texture, "offscreen_color", into which the mesh "fill" is drawn with
// `fillShader` for the first instance of "instancing".
ViewBuffer* MakeOffscreenView(Dx12::Renderer* renderer, const std::string& fillShader) {
    VertexBuffer* filling = renderer->GetVertexBuffer("fill")->CreateCube();
    filling->shaderFile = fillShader;
    InstancingBuffer* fillInstances = renderer->GetInstancingBuffer("fill_instances");
    fillInstances->instances.assign(1, renderer->GetInstancingBuffer("instancing")->instances[0]);
    fillInstances->meshes["fill"] = filling;
    RenderTargetBuffer* target = renderer->GetRenderTargetBuffer("offscreen");
    target->width = 64;
    target->height = 64;
    target->count = 1;
    target->colorTargets[0].name = "offscreen_color";
    target->depthTarget.name = "offscreen_depth";
    ViewBuffer* offscreen = renderer->GetViewBuffer("offscreen_view");
    offscreen->renderTarget = target;
    offscreen->viewport = ViewportRect{0, 0, 64, 64};
    offscreen->instancingBuffers["fill_instances"] = fillInstances;
    return offscreen;
}

void ExpectNoDebugLayerErrors(ID3D12Device* device) {
    for (const DebugMessage& message : TakeDebugMessages(device)) {
        EXPECT_NE(message.severity, D3D12_MESSAGE_SEVERITY_ERROR) << message.description;
    }
    EXPECT_EQ(platform_testing::UnexpectedD3D12Errors(), 0u);
}

TEST_F(RendererTest, OffscreenTargetDrawnThenSampledBySecondViewThroughOneHeap) {
    const std::string fill = WriteShader("fill_offscreen_test.hlsl", kFillShader);
    const std::string show = WriteShader("show_offscreen_test.hlsl", kShowShader);
    ViewBuffer* screen = MakeScene(1);
    VertexBuffer* showing = renderer->GetVertexBuffer("mesh");
    showing->shaderFile = show;
    showing->textures = {{0, "offscreen_color"}};
    ViewBuffer* offscreen = MakeOffscreenView(renderer.get(), fill);

    renderer->Update();
    renderer->frame_count = 0;
    for (int frame = 0; frame < 2; ++frame) {
        renderer->Draw(offscreen->name);
        renderer->Draw(screen->name);
    }
    const std::vector<uint8_t> pixels = ReadBackBuffer(0);
    std::remove(fill.c_str());
    std::remove(show.c_str());

    EXPECT_EQ(PixelAt(pixels, 640, 360), (Pixel{191, 64, 128, 255}));
    ExpectNoDebugLayerErrors(renderer->device->device);
}

// A pipeline is bound to the formats and count of its targets: the shader of
// one file, built first for the off-screen target, must still draw right into
// the back buffer, and the other way round.
TEST_F(RendererTest, OneShaderFileDrawsIntoTheBackBufferAndAnOffscreenTarget) {
    const std::string fill = WriteShader("fill_both_test.hlsl", kFillShader);
    const std::string show = WriteShader("show_both_test.hlsl", kShowShader);
    for (bool offscreenFirst : {true, false}) {
        SCOPED_TRACE(offscreenFirst ? "off-screen first" : "back buffer first");
        ViewBuffer* screen = MakeScene(1);
        renderer->GetVertexBuffer("mesh")->shaderFile = fill;
        ViewBuffer* offscreen = MakeOffscreenView(renderer.get(), fill);
        // Shows the off-screen texture over the whole back buffer.
        VertexBuffer* showing = renderer->GetVertexBuffer("show")->CreateCube();
        showing->shaderFile = show;
        showing->textures = {{0, "offscreen_color"}};
        InstancingBuffer* showInstances = renderer->GetInstancingBuffer("show_instances");
        showInstances->instances = renderer->GetInstancingBuffer("instancing")->instances;
        showInstances->meshes["show"] = showing;
        ViewBuffer* shown = renderer->GetViewBuffer("show_view");
        shown->viewport = screen->viewport;
        shown->instancingBuffers["show_instances"] = showInstances;
        renderer->Update();
        renderer->frame_count = 0;

        const std::string first = offscreenFirst ? offscreen->name : screen->name;
        const std::string second = offscreenFirst ? screen->name : offscreen->name;
        renderer->Draw(first);
        renderer->Draw(second);
        EXPECT_EQ(PixelAt(ReadBackBuffer(0), 640, 360), (Pixel{191, 64, 128, 255}))
            << "drawn straight into the back buffer";
        renderer->Draw(shown->name);
        EXPECT_EQ(PixelAt(ReadBackBuffer(0), 640, 360), (Pixel{191, 64, 128, 255}))
            << "drawn into the off-screen target, then shown";
        EXPECT_EQ(renderer->cache_shader.size(), 2u);
        ExpectNoDebugLayerErrors(renderer->device->device);

        // A fresh renderer, one swap chain on the window at a time.
        renderer.reset();
        renderer = std::make_unique<Dx12::Renderer>(TestWindow(), 1280, 720, 2);
    }
    std::remove(fill.c_str());
    std::remove(show.c_str());
}

} // namespace
