// What the device-layer tests share: the device fixture on the queue the
// system makes, and temporary HLSL files.
#pragma once

#include <device_fixture.h>
#include <stdout_capture.h>

#include <string>

// The shared device fixture with the command queue the system makes. The list
// is closed between steps: each test's work starts with BeginCommands.
class DeviceTest : public DeviceFixture {
protected:
    void SetUp() override;
    void BeforeCommandSet() override;

    // Copies subresource 0 of `texture` (in `state`, returned to it) into a
    // readback buffer and returns its rows tightly packed.
    std::vector<uint8_t> ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES state) {
        BeginCommands();
        return DeviceFixture::ReadBack(texture, state);
    }
    // Records a transition barrier on the list.
    void Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                    D3D12_RESOURCE_STATES after) {
        const D3D12_RESOURCE_BARRIER barrier = ::Transition(resource, before, after);
        list->ResourceBarrier(1, &barrier);
    }
};

// Writes `source` into a fresh file under the system's temporary folder and
// returns its path.
std::string WriteTempFile(const std::string& name, const std::string& source);
