#include "device_fixture.h"

#include <platform_testing.h>

void DeviceFixture::SetUp() {
    platform_testing::ClearRefusals();
    liveBefore = platform_testing::LiveObjects();
    ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                reinterpret_cast<void**>(&device)),
              S_OK);
    // What the devices of earlier tests left in the message store is theirs.
    TakeDebugMessages(device);
    ASSERT_NO_FATAL_FAILURE(BeforeCommandSet());
    ASSERT_NO_FATAL_FAILURE(CreateCommandSet(device));
}

void DeviceFixture::TearDown() {
    platform_testing::ClearRefusals();
    ReleaseCommandSet();
    if (device != nullptr) {
        EXPECT_EQ(device->Release(), 0u) << "something still holds the device";
        device = nullptr;
    }
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "stand-in objects leaked";
}
