// Real draws through Dx12::Shader with the demo's shaders/normal.hlsl into a
// Dx12::RenderTarget, read back and compared with where the camera puts them.
#include "dx12_test_support.h"

#include <dx12/helpers.h>
#include <dx12/resource.h>
#include <dx12/shader.h>
#include <dx12/texture.h>

#include <platform_testing.h>

#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr UINT kSize = 64;
constexpr float kClear[4] = {0.1f, 0.2f, 0.3f, 1.0f};

using Matrix = std::array<float, 16>; // row by row, row vectors

Matrix Translation(float x, float y, float z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
}

// Left-handed perspective with a vertical field of view of pi/2 and a square
// aspect: at view depth d the visible half-height is d.
Matrix Projection() {
    const float nearZ = 0.1f, farZ = 1000.0f;
    const float range = farZ / (farZ - nearZ);
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, range, 1, 0, 0, -range * nearZ, 0};
}

struct Instance {
    Matrix world;
    std::array<float, 4> color;
};

using Vertices = std::vector<std::array<float, 12>>;

// One square face of half-size 1 around `centre` with outward normal n, as two
// triangles; `front` winds them clockwise as seen from outside.
void AddFace(Vertices& out, const float centre[3], const float n[3], const float u[3], bool front) {
    // v = u x n, so that (u, v) run right and up when looking at the face.
    const float v[3] = {u[1] * n[2] - u[2] * n[1], u[2] * n[0] - u[0] * n[2],
                        u[0] * n[1] - u[1] * n[0]};
    auto corner = [&](float su, float sv) {
        std::array<float, 12> vertex{};
        for (int k = 0; k < 3; ++k) {
            vertex[k] = centre[k] + su * u[k] + sv * v[k];
            vertex[3 + k] = n[k];
        }
        vertex[6] = (su + 1) / 2;
        vertex[7] = (1 - sv) / 2;
        return vertex;
    };
    const std::array<float, 12> topLeft = corner(-1, 1), topRight = corner(1, 1),
                                bottomRight = corner(1, -1), bottomLeft = corner(-1, -1);
    if (front) {
        out.insert(out.end(), {topLeft, topRight, bottomRight, topLeft, bottomRight, bottomLeft});
    } else {
        out.insert(out.end(), {topLeft, bottomRight, topRight, topLeft, bottomLeft, bottomRight});
    }
}

Vertices Cube() {
    Vertices vertices;
    for (int axis = 0; axis < 3; ++axis) {
        for (float sign : {-1.0f, 1.0f}) {
            float n[3] = {0, 0, 0}, u[3] = {0, 0, 0};
            n[axis] = sign;
            u[(axis + 1) % 3] = 1;
            AddFace(vertices, n, n, u, true);
        }
    }
    return vertices;
}

class DrawTest : public DeviceTest {
protected:
    // Draws `vertices` once per instance with the camera at (0, 0, -5) looking
    // along +z, and returns the colour target's RGBA floats.
    std::vector<float> Render(const Vertices& vertices, const std::vector<Instance>& instances) {
        const std::string path = std::string(BRENNWICK_SOURCE_DIR) + "/shaders/normal.hlsl";
        StdoutCapture quiet;
        Dx12::Shader shader(device, path.c_str(), true, 1);
        Dx12::RenderTarget target(device, kSize, kSize, 1);
        Dx12::Constant uniform(device, 10624);
        Dx12::Vertex mesh(device, vertices.data(), uint32_t(vertices.size() * 48), 48);
        quiet.Take();
        EXPECT_NE(shader.pipelineState, nullptr);
        if (shader.pipelineState == nullptr || uniform.resource == nullptr ||
            mesh.resource == nullptr || target.colorTextures[0] == nullptr) {
            return {};
        }

        std::vector<uint8_t> constants(10752, 0);
        const Matrix identity = Translation(0, 0, 0), view = Translation(0, 0, 5),
                     projection = Projection();
        std::memcpy(constants.data() + 0, identity.data(), 64);
        std::memcpy(constants.data() + 64, view.data(), 64);
        std::memcpy(constants.data() + 128, projection.data(), 64);
        for (size_t i = 0; i < instances.size(); ++i) {
            std::memcpy(constants.data() + 384 + 80 * i, instances[i].world.data(), 64);
            std::memcpy(constants.data() + 384 + 80 * i + 64, instances[i].color.data(), 16);
        }
        void* mapped = nullptr;
        EXPECT_EQ(uniform.resource->Map(0, nullptr, &mapped), S_OK);
        if (mapped == nullptr) {
            return {};
        }
        std::memcpy(mapped, constants.data(), constants.size());
        uniform.resource->Unmap(0, nullptr);

        ID3D12Resource* color = target.colorTextures[0]->resource;
        const D3D12_CPU_DESCRIPTOR_HANDLE rtv =
            target.renderTargetHeap->GetCPUDescriptorHandleForHeapStart();
        const D3D12_CPU_DESCRIPTOR_HANDLE dsv =
            target.depthStencilHeap->GetCPUDescriptorHandleForHeapStart();
        const uint64_t drawsBefore = platform_testing::ExecutedDraws();

        BeginCommands();
        Transition(color, D3D12_RESOURCE_STATE_GENERIC_READ, D3D12_RESOURCE_STATE_RENDER_TARGET);
        list->OMSetRenderTargets(1, &rtv, FALSE, &dsv);
        list->ClearRenderTargetView(rtv, kClear, 0, nullptr);
        list->ClearDepthStencilView(dsv, D3D12_CLEAR_FLAG_DEPTH, 1.0f, 0, 0, nullptr);
        const D3D12_VIEWPORT viewport{0, 0, float(kSize), float(kSize), 0, 1};
        const D3D12_RECT scissor{0, 0, LONG(kSize), LONG(kSize)};
        list->RSSetViewports(1, &viewport);
        list->RSSetScissorRects(1, &scissor);
        list->SetGraphicsRootSignature(shader.rootSignature);
        list->SetPipelineState(shader.pipelineState);
        // The constant buffer's view is copied into a shader-visible heap for the table.
        ID3D12DescriptorHeap* shaderHeap =
            Dx12::CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                       D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE);
        device->CopyDescriptorsSimple(1, shaderHeap->GetCPUDescriptorHandleForHeapStart(),
                                      uniform.heap->GetCPUDescriptorHandleForHeapStart(),
                                      D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV);
        list->SetDescriptorHeaps(1, &shaderHeap);
        list->SetGraphicsRootDescriptorTable(0, shaderHeap->GetGPUDescriptorHandleForHeapStart());
        list->IASetPrimitiveTopology(D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
        list->IASetVertexBuffers(0, 1, &mesh.vertexBufferView);
        list->DrawInstanced(UINT(vertices.size()), UINT(instances.size()), 0, 0);
        Transition(color, D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_GENERIC_READ);
        ExecuteAndWait();
        shaderHeap->Release();
        EXPECT_EQ(platform_testing::ExecutedDraws(), drawsBefore + 1);

        const std::vector<uint8_t> bytes = ReadBack(color, D3D12_RESOURCE_STATE_GENERIC_READ);
        std::vector<float> texels(bytes.size() / 4);
        std::memcpy(texels.data(), bytes.data(), texels.size() * 4);
        return texels;
    }

    static std::array<float, 4> At(const std::vector<float>& texels, UINT x, UINT y) {
        std::array<float, 4> texel{};
        if (texels.size() == size_t(kSize) * kSize * 4) {
            std::memcpy(texel.data(), &texels[(size_t(y) * kSize + x) * 4], 16);
        }
        return texel;
    }

    static bool IsClear(const std::array<float, 4>& texel) {
        return texel == std::array<float, 4>{kClear[0], kClear[1], kClear[2], kClear[3]};
    }

    // The shader scales the instance colour by its lighting: only the
    // channels the colour has are lit.
    static void ExpectShadedFrom(const std::array<float, 4>& texel,
                                 const std::array<float, 4>& color, const char* where) {
        for (int c = 0; c < 3; ++c) {
            if (color[c] == 0) {
                EXPECT_EQ(texel[c], 0.0f) << where << " channel " << c;
            } else {
                EXPECT_GT(texel[c], 0.15f) << where << " channel " << c;
            }
        }
        EXPECT_EQ(texel[3], 1.0f) << where;
    }
};

TEST_F(DrawTest, CubeLandsWhereTheProjectionPutsIt) {
    const std::array<float, 4> red{1, 0, 0, 1};
    // Its front face spans x and y from 1 to 3 at view depth 4: normalised
    // 0.25..0.75, so columns 40..56 and rows 8..24 (y points down on screen).
    const std::vector<float> image = Render(Cube(), {{Translation(2, 2, 0), red}});
    ASSERT_EQ(image.size(), size_t(kSize) * kSize * 4);
    ExpectShadedFrom(At(image, 48, 16), red, "front face centre");
    ExpectShadedFrom(At(image, 41, 9), red, "front face corner");
    EXPECT_TRUE(IsClear(At(image, 48, 48))) << "mirrored in y";
    EXPECT_TRUE(IsClear(At(image, 16, 16))) << "mirrored in x";
    EXPECT_TRUE(IsClear(At(image, 48, 4))) << "above";
    EXPECT_TRUE(IsClear(At(image, 60, 16))) << "right of it";
    EXPECT_TRUE(IsClear(At(image, 32, 32))) << "centre of the screen";
}

TEST_F(DrawTest, BackFacesAreCulled) {
    const std::array<float, 4> green{0, 1, 0, 1};
    const float centre[3] = {0, 0, 0}, towardsCamera[3] = {0, 0, -1}, right[3] = {1, 0, 0};
    Vertices clockwise, counterClockwise;
    AddFace(clockwise, centre, towardsCamera, right, true);
    AddFace(counterClockwise, centre, towardsCamera, right, false);

    const std::vector<float> front = Render(clockwise, {{Translation(0, 0, 0), green}});
    ExpectShadedFrom(At(front, 32, 32), green, "clockwise face");
    const std::vector<float> back = Render(counterClockwise, {{Translation(0, 0, 0), green}});
    ASSERT_EQ(back.size(), size_t(kSize) * kSize * 4);
    EXPECT_TRUE(IsClear(At(back, 32, 32))) << "counter-clockwise face was drawn";
}

TEST_F(DrawTest, NearerCubeWinsAndEqualDepthLetsTheLaterDrawThrough) {
    const std::array<float, 4> red{1, 0, 0, 1}, green{0, 1, 0, 1}, blue{0, 0, 1, 1};
    // The nearer cube is drawn first: only the depth test can keep it in front.
    const std::vector<float> overlap =
        Render(Cube(), {{Translation(0, 0, 0), green}, {Translation(0, 0, 3), red}});
    ExpectShadedFrom(At(overlap, 32, 32), green, "overlap");

    // The same cube twice: less-or-equal lets the second one replace the first.
    const std::vector<float> same =
        Render(Cube(), {{Translation(0, 0, 0), blue}, {Translation(0, 0, 0), green}});
    ExpectShadedFrom(At(same, 32, 32), green, "equal depth");
}

// Depth clipping is on: a cube beyond the far plane is not drawn, although
// clamping its depth to 1 would pass the less-or-equal test against the clear.
TEST_F(DrawTest, BeyondTheFarPlaneNothingIsDrawn) {
    const std::array<float, 4> red{1, 0, 0, 1};
    auto wide = [](float z) {
        return Matrix{1000, 0, 0, 0, 0, 1000, 0, 0, 0, 0, 1, 0, 0, 0, z, 1};
    };
    const std::vector<float> near = Render(Cube(), {{wide(500), red}});
    ExpectShadedFrom(At(near, 32, 32), red, "inside the far plane");
    const std::vector<float> far = Render(Cube(), {{wide(1500), red}});
    ASSERT_EQ(far.size(), size_t(kSize) * kSize * 4);
    EXPECT_TRUE(IsClear(At(far, 32, 32))) << "drawn beyond the far plane";
}

} // namespace
