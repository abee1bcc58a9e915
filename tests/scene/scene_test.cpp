#include <stdout_capture.h>

#include <scene/buffers.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

// A description that counts its destructions.
template <typename Description> class Watched : public Description {
public:
    explicit Watched(int* destroyed) : destroyed_(destroyed) {}
    ~Watched() override { ++*destroyed_; }

private:
    int* destroyed_;
};

TEST(Descriptions, DeletingThroughTheBaseRunsTheWholeDestructorAndLeavesLinksAlone) {
    int meshGone = 0, targetGone = 0, instancingGone = 0, viewGone = 0;
    auto* mesh = new Watched<VertexBuffer>(&meshGone);
    auto* target = new Watched<RenderTargetBuffer>(&targetGone);
    auto* instancing = new Watched<InstancingBuffer>(&instancingGone);
    instancing->meshes["cube"] = mesh;
    auto* view = new Watched<ViewBuffer>(&viewGone);
    view->renderTarget = target;
    view->instancingBuffers["instance"] = instancing;

    delete static_cast<BaseBuffer*>(view);
    EXPECT_EQ(viewGone, 1) << "the view's own destructor ran";
    EXPECT_EQ(instancingGone, 0) << "a view does not own its instancing descriptions";
    EXPECT_EQ(targetGone, 0) << "nor its render target";
    delete static_cast<BaseBuffer*>(instancing);
    EXPECT_EQ(instancingGone, 1);
    EXPECT_EQ(meshGone, 0) << "an instancing description does not own its meshes";
    delete static_cast<BaseBuffer*>(mesh);
    delete static_cast<BaseBuffer*>(target);
    EXPECT_EQ(meshGone, 1);
    EXPECT_EQ(targetGone, 1);
}

float Dot(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

TEST(CreateCube, BuildsTwelveOutwardTrianglesOnTheUnitCube) {
    VertexBuffer mesh;
    mesh.vertices.resize(100);
    mesh.vertices[50].uv[0] = 7.0f;
    EXPECT_EQ(mesh.CreateCube(), &mesh);
    ASSERT_EQ(mesh.vertices.size(), 36u);
    EXPECT_TRUE(mesh.changed);

    const float expectedNormals[6][3] = {{0, -1, 0}, {0, 1, 0},  {1, 0, 0},
                                         {0, 0, 1},  {-1, 0, 0}, {0, 0, -1}};
    for (int face = 0; face < 6; ++face) {
        for (int corner = 0; corner < 6; ++corner) {
            const VertexRecord& v = mesh.vertices[face * 6 + corner];
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_EQ(v.normal[axis], expectedNormals[face][axis]);
            }
            // Every corner lies on the face the normal points out of.
            EXPECT_EQ(Dot(v.pos, v.normal), 1.0f) << "vertex " << face * 6 + corner;
            for (float p : v.pos) {
                EXPECT_EQ(std::fabs(p), 1.0f);
            }
            for (float zero : {v.uv[0], v.uv[1], v.color[0], v.color[1], v.color[2], v.color[3]}) {
                EXPECT_EQ(zero, 0.0f);
            }
        }
        for (int triangle = 0; triangle < 2; ++triangle) {
            const float* p0 = mesh.vertices[face * 6 + triangle * 3].pos;
            const float* p1 = mesh.vertices[face * 6 + triangle * 3 + 1].pos;
            const float* p2 = mesh.vertices[face * 6 + triangle * 3 + 2].pos;
            const float e1[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
            const float e2[3] = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
            const float cross[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                                    e1[0] * e2[1] - e1[1] * e2[0]};
            EXPECT_GT(Dot(cross, expectedNormals[face]), 0.0f) << "face " << face;
        }
    }
    const float first[3] = {1, -1, -1};
    const float last[3] = {-1, 1, -1};
    EXPECT_EQ(std::memcmp(mesh.vertices[0].pos, first, 12), 0);
    EXPECT_EQ(std::memcmp(mesh.vertices[35].pos, last, 12), 0);

    // Building again over other bytes gives the same bytes, signs of zero
    // included: what the GPU receives does not depend on what was there.
    const std::vector<VertexRecord> built = mesh.vertices;
    std::memset(mesh.vertices.data(), 0xFF, 36 * sizeof(VertexRecord));
    mesh.CreateCube();
    ASSERT_EQ(mesh.vertices.size(), 36u);
    EXPECT_EQ(std::memcmp(mesh.vertices.data(), built.data(), 36 * sizeof(VertexRecord)), 0);
}

TEST(VertexSetters, ReportIndicesOutsideTheArrayAndChangeNothing) {
    VertexBuffer mesh;
    mesh.name = "cube";
    StdoutCapture empty;
    mesh.SetPos(0, 1, 2, 3);
    EXPECT_EQ(empty.Take(), "VertexBuffer::SetPos : cube : Not alloc index=0\n");

    mesh.CreateCube();
    mesh.changed = false;
    const std::vector<VertexRecord> before = mesh.vertices;
    StdoutCapture out;
    mesh.SetPos(36, 1, 2, 3);
    mesh.SetNormal(-1, 1, 2, 3);
    mesh.SetPos(INT32_MIN, 1, 2, 3);
    EXPECT_EQ(out.Take(), "VertexBuffer::SetPos : cube : Not alloc index=36\n"
                          "VertexBuffer::SetNormal : cube : Not alloc index=-1\n"
                          "VertexBuffer::SetPos : cube : Not alloc index=-2147483648\n");
    EXPECT_EQ(std::memcmp(before.data(), mesh.vertices.data(), 36 * sizeof(VertexRecord)), 0);

    mesh.SetNormal(35, 4, 5, 6);
    EXPECT_EQ(mesh.vertices[35].normal[2], 6.0f);
    EXPECT_EQ(mesh.vertices[35].pos[0], -1.0f);
    EXPECT_FALSE(mesh.changed);
}

} // namespace
