// The reference renderer must really draw the scene, or its timings mean
// nothing: run it for one frame and look at the picture it leaves.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* At(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

bool ReadPpm(const std::string& path, Picture* picture) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    file >> magic >> picture->width >> picture->height >> maximum;
    file.get();
    if (!file || magic != "P6" || maximum != 255) {
        return false;
    }
    picture->rgb.resize(size_t(picture->width) * picture->height * 3);
    file.read(reinterpret_cast<char*>(picture->rgb.data()), std::streamsize(picture->rgb.size()));
    return bool(file);
}

bool IsCyan(const uint8_t* pixel) {
    return pixel[0] == 0 && pixel[1] == 255 && pixel[2] == 255;
}

TEST(ReferenceImage, OneFrameShowsCyanBackgroundAndShadedCubes) {
    std::string path = testing::TempDir() + "reference_frame.ppm";
    std::string command = std::string(REFERENCE_VULKAN) + " --frames 1 --warmup 0 --ppm " + path;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    Picture picture;
    ASSERT_TRUE(ReadPpm(path, &picture));
    std::remove(path.c_str());
    ASSERT_EQ(picture.width, 1280);
    ASSERT_EQ(picture.height, 720);

    EXPECT_TRUE(IsCyan(picture.At(0, 0)));
    EXPECT_TRUE(IsCyan(picture.At(1279, 0)));
    EXPECT_TRUE(IsCyan(picture.At(0, 719)));
    EXPECT_TRUE(IsCyan(picture.At(1279, 719)));
    // The cubes fill the middle of the picture; count covered pixels there.
    int covered = 0, total = 0;
    for (int y = 260; y < 460; ++y) {
        for (int x = 440; x < 840; ++x, ++total) {
            covered += IsCyan(picture.At(x, y)) ? 0 : 1;
        }
    }
    EXPECT_GT(covered, total / 2);
}

} // namespace
