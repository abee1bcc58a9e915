// What the device-layer tests share: stdout capture, a command set of their
// own to run recorded work and read textures back, temporary HLSL files.
#pragma once

#include <gtest/gtest.h>

#include <gpu_test_support.h>

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <string>
#include <vector>

// Captures what the code under test prints with printf.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    // Everything printed since construction; ends the capture.
    std::string Take();

private:
    bool active_;
};

// A raw device with one direct command set, for the classes built from an
// ID3D12Device. Checks on tear-down that every stand-in object was released.
class DeviceTest : public testing::Test, protected DirectCommandSet {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies subresource 0 of `texture` (in `state`, returned to it) into a
    // readback buffer and returns its rows tightly packed.
    std::vector<uint8_t> ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES state) {
        BeginCommands();
        return ReadBackTexture(device, texture, state);
    }
    void Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                    D3D12_RESOURCE_STATES after) {
        const D3D12_RESOURCE_BARRIER barrier = ::Transition(resource, before, after);
        list->ResourceBarrier(1, &barrier);
    }

    ID3D12Device* device = nullptr;
    long liveBefore = 0;
};

// Writes `source` into a fresh file under the system's temporary folder and
// returns its path.
std::string WriteTempFile(const std::string& name, const std::string& source);

// How often `needle` occurs in `text`.
size_t CountOccurrences(const std::string& text, const std::string& needle);
