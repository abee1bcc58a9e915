// Serialized root signatures (the body of an RTS0 chunk), versions 1.0 and 1.1.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dxbc {

// One root parameter. Only the member that `type` names is meaningful:
// `ranges` for a descriptor table, `constants` for root constants,
// `descriptor` for a root CBV/SRV/UAV.
struct RootParameter {
    D3D12_ROOT_PARAMETER_TYPE type;
    D3D12_SHADER_VISIBILITY visibility;
    std::vector<D3D12_DESCRIPTOR_RANGE1> ranges;
    D3D12_ROOT_CONSTANTS constants;
    D3D12_ROOT_DESCRIPTOR1 descriptor;
};

struct RootSignatureDesc {
    D3D_ROOT_SIGNATURE_VERSION version;
    D3D12_ROOT_SIGNATURE_FLAGS flags;
    std::vector<RootParameter> parameters;
    std::vector<D3D12_STATIC_SAMPLER_DESC> staticSamplers;
};

// Reads a root signature from a DXBC container holding an RTS0 chunk (a whole
// compiled shader works too) or from a bare RTS0 body. Version 1.0 data comes
// back with the flags that 1.0 implies in 1.1 terms: ranges DESCRIPTORS_VOLATILE
// | DATA_VOLATILE (samplers DESCRIPTORS_VOLATILE), root descriptors DATA_VOLATILE.
bool ReadRootSignature(const void* bytes, size_t size, RootSignatureDesc* out, std::string* error);

// The bare RTS0 body in `desc.version`. Version 1.0 drops the flags.
std::vector<uint8_t> WriteRootSignature(const RootSignatureDesc& desc);

} // namespace dxbc
