// ID3D12CommandSignature: the layout of the commands ExecuteIndirect reads.
#pragma once

#include "command_stream.h"
#include "d3d12_device_child.h"

namespace d3d12_standin {

class D3D12CommandSignature final
    : public LiveDeviceChild<D3D12CommandSignature, ID3D12CommandSignature> {
public:
    D3D12CommandSignature(D3D12Device* device, IndirectKind kind, uint32_t byteStride)
        : LiveDeviceChild(device), kind_(kind), byteStride_(byteStride) {}

    IndirectKind Kind() const { return kind_; }
    uint32_t ByteStride() const { return byteStride_; }
    // The bytes one command's arguments take (D3D12_DRAW_ARGUMENTS and the like).
    uint32_t ArgumentsSize() const;

protected:
    bool Implements(REFIID riid) const override;

private:
    IndirectKind kind_;
    uint32_t byteStride_;
};

} // namespace d3d12_standin
