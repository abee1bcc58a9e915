#include "dx12_test_support.h"

#include <dx12/device.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

void DeviceTest::SetUp() {
    recordAfterExecute = false;
    waitMilliseconds = 20000;
    ASSERT_NO_FATAL_FAILURE(DeviceFixture::SetUp());
    ASSERT_EQ(list->Close(), S_OK);
}

void DeviceTest::BeforeCommandSet() {
    queue = Dx12::CreateCommandQueue(device);
    ASSERT_NE(queue, nullptr);
}

std::string WriteTempFile(const std::string& name, const std::string& source) {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dx12_tests_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << source;
    return path.string();
}
