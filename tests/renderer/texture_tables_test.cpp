#include "renderer_fixture.h"

#include <vertex_input_hlsl.h>

#include <fstream>
#include <string>

namespace {

// Shows the red channel of the textures in root parameters 1 and 2 as the
// red and green of every pixel a centred cube covers.
// clang-format off
const std::string kTwoTextureShader = kVertexInputHlsl + std::string(R"hlsl(
#define TWO_TEXTURES "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), DescriptorTable(SRV(t1))"
cbuffer uniform0 : register(b0) { float4 unusedConstants; };
Texture2D<float4> first : register(t0);
Texture2D<float4> second : register(t1);
struct PixelInput { float4 position : SV_Position; float4 color : COLOR; };
[RootSignature(TWO_TEXTURES)]
PixelInput VSMain(VertexInput input) {
    PixelInput output;
    output.position = float4(input.position * 0.5 + float3(0, 0, 0.5), 1);
    output.color = input.color + unusedConstants * 0 + float4(input.normal, input.uv.x) * 0;
    output.color.a += input.uv.y * 0 + input.instanceId * 0;
    return output;
}
float4 PSMain(PixelInput input) : SV_Target {
    return float4(first.Load(int3(0, 0, 0)).r, second.Load(int3(0, 0, 0)).r, 0, 1) + input.color * 0;
}
)hlsl");
// clang-format on

TEST_F(RendererTest, MissingTexturesMoveTheLaterOnesUpOneTable) {
    const std::string shader = testing::TempDir() + "two_textures_renderer_test.hlsl";
    std::ofstream(shader) << kTwoTextureShader;
    ViewBuffer* view = MakeScene(1);
    VertexBuffer* mesh = renderer->GetVertexBuffer("mesh");
    mesh->shaderFile = shader;
    mesh->textures = {{0, "slot0"}, {1, "not_there"}, {2, "slot2"}};
    for (const auto& [name, red] : {std::pair{"slot0", 200}, {"slot2", 100}}) {
        FillTexture(name, 64, 2, static_cast<uint8_t>(red));
    }
    renderer->Update();
    renderer->frame_count = 0;
    renderer->Draw(view->name);
    const std::vector<uint8_t> pixels = ReadBackBuffer(0);
    std::remove(shader.c_str());
    EXPECT_EQ(PixelAt(pixels, 640, 360), (Pixel{200, 100, 0, 255}));
}

} // namespace
