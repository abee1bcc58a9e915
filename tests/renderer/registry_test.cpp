#include <stdout_capture.h>

#include <renderer/buffer_registry.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class Registry : public testing::Test {
protected:
    ~Registry() override {
        for (auto& [name, buffer] : registry) {
            delete buffer;
        }
    }
    BufferMap registry;
};

TEST_F(Registry, HandsOutOneDescriptionPerNameInByteOrder) {
    auto* view = GetOrCreateBuffer<ViewBuffer>(registry, "view_present", "get");
    auto* rect = GetOrCreateBuffer<VertexBuffer>(registry, "rect", "get");
    auto* instance = GetOrCreateBuffer<InstancingBuffer>(registry, "instance", "get");
    auto* cube = GetOrCreateBuffer<VertexBuffer>(registry, "cube", "get");
    EXPECT_EQ(GetOrCreateBuffer<VertexBuffer>(registry, "cube", "get"), cube);
    EXPECT_EQ(GetOrCreateBuffer<ViewBuffer>(registry, "view_present", "get"), view);
    EXPECT_EQ(cube->name, "cube");
    EXPECT_EQ(instance->type, BUFFER_TYPE_INSTANCING);
    EXPECT_EQ(rect->type, BUFFER_TYPE_VERTEX);

    std::vector<std::string> order;
    for (const auto& [name, buffer] : registry) {
        order.push_back(name);
        EXPECT_EQ(buffer->name, name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"cube", "instance", "rect", "view_present"}));
}

TEST_F(Registry, FillsTheEntryASubscriptLookupLeftEmpty) {
    EXPECT_EQ(registry["view_present"], nullptr);
    ASSERT_EQ(registry.size(), 1u);
    ViewBuffer* view = GetOrCreateBuffer<ViewBuffer>(registry, "view_present", "get");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(registry.size(), 1u);
    EXPECT_EQ(registry["view_present"], view);

    const std::string withZero("ab\0", 3);
    auto* empty = GetOrCreateBuffer<VertexBuffer>(registry, "", "get");
    auto* ab = GetOrCreateBuffer<VertexBuffer>(registry, "ab", "get");
    auto* abZero = GetOrCreateBuffer<VertexBuffer>(registry, withZero, "get");
    EXPECT_NE(ab, abZero);
    EXPECT_EQ(abZero->name, withZero);
    EXPECT_EQ(registry.begin()->second, empty);
    EXPECT_EQ(registry.size(), 4u);
}

// Registers `name` as Kind and asks for it as every kind: only its own kind
// is handed out, so each kind's type code differs from every other's.
template <class Kind> void ExpectOnlyItsOwnKind(BufferMap& registry, const std::string& name) {
    auto* registered = GetOrCreateBuffer<Kind>(registry, name, "get");
    ASSERT_NE(registered, nullptr);
    EXPECT_FALSE(registered->changed) << name << ": a fresh description waits to be filled";
    StdoutCapture out;
    const int handedOut = (GetOrCreateBuffer<VertexBuffer>(registry, name, "get") != nullptr) +
                          (GetOrCreateBuffer<InstancingBuffer>(registry, name, "get") != nullptr) +
                          (GetOrCreateBuffer<ViewBuffer>(registry, name, "get") != nullptr) +
                          (GetOrCreateBuffer<TextureBuffer>(registry, name, "get") != nullptr) +
                          (GetOrCreateBuffer<RenderTargetBuffer>(registry, name, "get") != nullptr);
    EXPECT_EQ(handedOut, 1) << name;
    EXPECT_EQ(GetOrCreateBuffer<Kind>(registry, name, "get"), registered) << name;
    const std::string printed = out.Take();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 4)
        << name << ": one line per refusal";
}

TEST_F(Registry, RefusesANameRegisteredAsAnotherKind) {
    auto* mesh = GetOrCreateBuffer<VertexBuffer>(registry, "cube", "get");
    StdoutCapture out;
    EXPECT_EQ(GetOrCreateBuffer<ViewBuffer>(registry, "cube", "Dx12::Renderer::GetViewBuffer"),
              nullptr);
    EXPECT_EQ(
        out.Take(),
        "Dx12::Renderer::GetViewBuffer : cube : ERROR : registered with type 2, not type 6\n");
    EXPECT_EQ(registry["cube"], mesh);
    EXPECT_EQ(registry.size(), 1u);

    ExpectOnlyItsOwnKind<VertexBuffer>(registry, "mesh");
    ExpectOnlyItsOwnKind<InstancingBuffer>(registry, "instances");
    ExpectOnlyItsOwnKind<ViewBuffer>(registry, "view");
    ExpectOnlyItsOwnKind<TextureBuffer>(registry, "texture");
    ExpectOnlyItsOwnKind<RenderTargetBuffer>(registry, "target");
}

} // namespace
