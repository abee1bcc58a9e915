#include "dx12_test_support.h"

#include <device.h>

#include <platform_testing.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

StdoutCapture::StdoutCapture() : active_(true) {
    std::fflush(stdout);
    testing::internal::CaptureStdout();
}

StdoutCapture::~StdoutCapture() {
    if (active_) {
        Take();
    }
}

std::string StdoutCapture::Take() {
    std::fflush(stdout);
    active_ = false;
    return testing::internal::GetCapturedStdout();
}

void DeviceTest::SetUp() {
    platform_testing::ClearRefusals();
    liveBefore = platform_testing::LiveObjects();
    ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                reinterpret_cast<void**>(&device)),
              S_OK);
    // The queue the system makes; the work of each test starts with BeginCommands.
    queue = Dx12::CreateCommandQueue(device);
    ASSERT_NE(queue, nullptr);
    recordAfterExecute = false;
    waitMilliseconds = 20000;
    ASSERT_NO_FATAL_FAILURE(CreateCommandSet(device));
    ASSERT_EQ(list->Close(), S_OK);
}

void DeviceTest::TearDown() {
    platform_testing::ClearRefusals();
    ReleaseCommandSet();
    if (device != nullptr) {
        EXPECT_EQ(device->Release(), 0u) << "something still holds the device";
    }
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "stand-in objects leaked";
}

std::string WriteTempFile(const std::string& name, const std::string& source) {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dx12_tests_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << source;
    return path.string();
}

size_t CountOccurrences(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + needle.size())) {
        ++count;
    }
    return count;
}
