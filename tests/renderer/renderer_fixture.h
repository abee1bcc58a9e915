// A renderer on the real stand-in with a window of its own, and what the
// renderer tests share: reading a back buffer, a scene of one mesh.
#pragma once

#include <renderer/renderer.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
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
    // Texture description `name` as `width` x `height` RGBA pixels, every byte
    // `value`, flagged for the next update.
    TextureBuffer* FillTexture(const std::string& name, int width, int height, uint8_t value);
    // Back buffer `index` as tightly packed RGBA rows.
    std::vector<uint8_t> ReadBackBuffer(uint32_t index);
    float ConstantAt(uint32_t offset) const;

    std::unique_ptr<Dx12::Renderer> renderer;
    std::string shaderPath;
    uint64_t submissionsSeen = 0;
    long liveBefore = 0;
};

HWND TestWindow();

// One pixel of a back buffer read back by ReadBackBuffer.
struct Pixel {
    int r, g, b, a;
    bool operator==(const Pixel& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
};
void PrintTo(const Pixel& pixel, std::ostream* out);

// The pixel at (x, y) of a 1280 x 720 read-back. A read-back of another size,
// or a place outside it, fails the test and reads as -1 in every channel.
Pixel PixelAt(const std::vector<uint8_t>& pixels, int x, int y);
