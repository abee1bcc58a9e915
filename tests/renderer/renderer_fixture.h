// A renderer on the real stand-in with a window of its own, and what the
// renderer tests share: reading a back buffer, a scene of one mesh.
#pragma once

#include <renderer.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class RendererTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Set 0's command lists executed since the last call.
    uint64_t NewDrawSubmissions();
    // One mesh "mesh" drawn by the demo shader for `instances` instances of
    // "instancing", linked from the view "view" (1280 x 720).
    ViewBuffer* MakeScene(size_t instances);
    // Back buffer `index` as tightly packed RGBA rows.
    std::vector<uint8_t> ReadBackBuffer(uint32_t index);
    float ConstantAt(uint32_t offset) const;

    std::unique_ptr<Dx12::Renderer> renderer;
    std::string shaderPath;
    uint64_t submissionsSeen = 0;
    long liveBefore = 0;
};

HWND TestWindow();
