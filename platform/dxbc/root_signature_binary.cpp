#include "root_signature_binary.h"

#include "byte_io.h"
#include "dxbc_container.h"

#include <cstdio>

namespace dxbc {
namespace {

constexpr uint32_t kHeaderSize = 24;
constexpr uint32_t kParameterHeaderSize = 12;
constexpr uint32_t kStaticSamplerSize = 52;
constexpr uint32_t kMaxVisibility = 7; // D3D12_SHADER_VISIBILITY_MESH

// Every value the enumerations and flag sets define; anything else in a blob
// is refused rather than stored in an enum that cannot hold it.
constexpr uint32_t kKnownRootFlags = 0xFFF;
constexpr uint32_t kKnownRangeFlags = 0x1 | 0x2 | 0x4 | 0x8 | 0x10000;
constexpr uint32_t kKnownRootDescriptorFlags = 0x2 | 0x4 | 0x8;
constexpr uint32_t kKnownFilterBits = 0x1D5;
constexpr uint32_t kMaxAddressMode = 5;    // MIRROR_ONCE
constexpr uint32_t kMaxComparisonFunc = 8; // ALWAYS
constexpr uint32_t kMaxBorderColor = 4;    // OPAQUE_WHITE_UINT

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%X", unsigned(value));
    return text;
}

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) {
        *error = "root signature: " + reason;
    }
    return false;
}

uint32_t RangeSize(uint32_t version) {
    return version == D3D_ROOT_SIGNATURE_VERSION_1_0 ? 20 : 24;
}
uint32_t RootDescriptorSize(uint32_t version) {
    return version == D3D_ROOT_SIGNATURE_VERSION_1_0 ? 8 : 12;
}

D3D12_DESCRIPTOR_RANGE_FLAGS VersionOneRangeFlags(D3D12_DESCRIPTOR_RANGE_TYPE type) {
    if (type == D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER) {
        return D3D12_DESCRIPTOR_RANGE_FLAG_DESCRIPTORS_VOLATILE;
    }
    return D3D12_DESCRIPTOR_RANGE_FLAG_DESCRIPTORS_VOLATILE |
           D3D12_DESCRIPTOR_RANGE_FLAG_DATA_VOLATILE;
}

class BodyReader {
public:
    BodyReader(const uint8_t* data, uint32_t size, std::string* error)
        : data_(data), size_(size), error_(error) {}

    bool Read(RootSignatureDesc* out) {
        if (size_ < kHeaderSize) {
            return Fail(error_,
                        "body of " + std::to_string(size_) + " bytes is shorter than its header");
        }
        uint32_t version = ReadU32(data_);
        if (version != D3D_ROOT_SIGNATURE_VERSION_1_0 &&
            version != D3D_ROOT_SIGNATURE_VERSION_1_1) {
            return Fail(error_, "unsupported version " + std::to_string(version));
        }
        RootSignatureDesc desc{};
        desc.version = D3D_ROOT_SIGNATURE_VERSION(version);
        uint32_t parameterCount = ReadU32(data_ + 4);
        uint32_t parametersOffset = ReadU32(data_ + 8);
        uint32_t samplerCount = ReadU32(data_ + 12);
        uint32_t samplersOffset = ReadU32(data_ + 16);
        uint32_t flags = ReadU32(data_ + 20);
        if ((flags & ~kKnownRootFlags) != 0) {
            return Fail(error_, "unknown root signature flags " + Hex(flags));
        }
        desc.flags = D3D12_ROOT_SIGNATURE_FLAGS(flags);

        if (!InRange(parametersOffset, uint64_t(parameterCount) * kParameterHeaderSize, size_)) {
            return Fail(error_, std::to_string(parameterCount) + " parameters run past the end");
        }
        for (uint32_t i = 0; i < parameterCount; ++i) {
            RootParameter parameter{};
            if (!ReadParameter(version, parametersOffset + i * kParameterHeaderSize, i,
                               &parameter)) {
                return false;
            }
            desc.parameters.push_back(std::move(parameter));
        }
        if (!InRange(samplersOffset, uint64_t(samplerCount) * kStaticSamplerSize, size_)) {
            return Fail(error_, std::to_string(samplerCount) + " static samplers run past the end");
        }
        for (uint32_t i = 0; i < samplerCount; ++i) {
            D3D12_STATIC_SAMPLER_DESC sampler;
            if (!ReadSampler(data_ + samplersOffset + i * kStaticSamplerSize, i, &sampler)) {
                return false;
            }
            desc.staticSamplers.push_back(sampler);
        }
        *out = std::move(desc);
        return true;
    }

private:
    bool ReadParameter(uint32_t version, uint32_t at, uint32_t index, RootParameter* parameter) {
        const std::string name = "parameter " + std::to_string(index);
        uint32_t type = ReadU32(data_ + at);
        uint32_t visibility = ReadU32(data_ + at + 4);
        uint32_t payload = ReadU32(data_ + at + 8);
        if (visibility > kMaxVisibility) {
            return Fail(error_,
                        name + " has unknown shader visibility " + std::to_string(visibility));
        }
        parameter->type = D3D12_ROOT_PARAMETER_TYPE(type);
        parameter->visibility = D3D12_SHADER_VISIBILITY(visibility);
        switch (type) {
        case D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE:
            return ReadTable(version, payload, name, parameter);
        case D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS:
            if (!InRange(payload, 12, size_)) {
                return Fail(error_, name + ": root constants outside the body");
            }
            parameter->constants.ShaderRegister = ReadU32(data_ + payload);
            parameter->constants.RegisterSpace = ReadU32(data_ + payload + 4);
            parameter->constants.Num32BitValues = ReadU32(data_ + payload + 8);
            return true;
        case D3D12_ROOT_PARAMETER_TYPE_CBV:
        case D3D12_ROOT_PARAMETER_TYPE_SRV:
        case D3D12_ROOT_PARAMETER_TYPE_UAV:
            if (!InRange(payload, RootDescriptorSize(version), size_)) {
                return Fail(error_, name + ": root descriptor outside the body");
            }
            parameter->descriptor.ShaderRegister = ReadU32(data_ + payload);
            parameter->descriptor.RegisterSpace = ReadU32(data_ + payload + 4);
            if (version == D3D_ROOT_SIGNATURE_VERSION_1_0) {
                parameter->descriptor.Flags = D3D12_ROOT_DESCRIPTOR_FLAG_DATA_VOLATILE;
            } else {
                uint32_t flags = ReadU32(data_ + payload + 8);
                if ((flags & ~kKnownRootDescriptorFlags) != 0) {
                    return Fail(error_, name + " has unknown root descriptor flags " + Hex(flags));
                }
                parameter->descriptor.Flags = D3D12_ROOT_DESCRIPTOR_FLAGS(flags);
            }
            return true;
        default:
            return Fail(error_, name + " has unknown type " + std::to_string(type));
        }
    }

    bool ReadTable(uint32_t version, uint32_t payload, const std::string& name,
                   RootParameter* parameter) {
        if (!InRange(payload, 8, size_)) {
            return Fail(error_, name + ": descriptor table outside the body");
        }
        uint32_t rangeCount = ReadU32(data_ + payload);
        uint32_t rangesOffset = ReadU32(data_ + payload + 4);
        uint32_t rangeSize = RangeSize(version);
        if (!InRange(rangesOffset, uint64_t(rangeCount) * rangeSize, size_)) {
            return Fail(error_,
                        name + ": " + std::to_string(rangeCount) + " ranges run past the end");
        }
        for (uint32_t r = 0; r < rangeCount; ++r) {
            const uint8_t* range = data_ + rangesOffset + r * rangeSize;
            D3D12_DESCRIPTOR_RANGE1 parsed{};
            uint32_t rangeType = ReadU32(range);
            if (rangeType > D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER) {
                return Fail(error_, name + ": range " + std::to_string(r) + " has unknown type " +
                                        std::to_string(rangeType));
            }
            parsed.RangeType = D3D12_DESCRIPTOR_RANGE_TYPE(rangeType);
            parsed.NumDescriptors = ReadU32(range + 4);
            parsed.BaseShaderRegister = ReadU32(range + 8);
            parsed.RegisterSpace = ReadU32(range + 12);
            if (version == D3D_ROOT_SIGNATURE_VERSION_1_0) {
                parsed.Flags = VersionOneRangeFlags(parsed.RangeType);
                parsed.OffsetInDescriptorsFromTableStart = ReadU32(range + 16);
            } else {
                uint32_t flags = ReadU32(range + 16);
                if ((flags & ~kKnownRangeFlags) != 0) {
                    return Fail(error_, name + ": range " + std::to_string(r) +
                                            " has unknown flags " + Hex(flags));
                }
                parsed.Flags = D3D12_DESCRIPTOR_RANGE_FLAGS(flags);
                parsed.OffsetInDescriptorsFromTableStart = ReadU32(range + 20);
            }
            parameter->ranges.push_back(parsed);
        }
        return true;
    }

    bool ReadSampler(const uint8_t* s, uint32_t index, D3D12_STATIC_SAMPLER_DESC* sampler) {
        const std::string name = "static sampler " + std::to_string(index);
        uint32_t filter = ReadU32(s);
        uint32_t address[3] = {ReadU32(s + 4), ReadU32(s + 8), ReadU32(s + 12)};
        uint32_t comparison = ReadU32(s + 24);
        uint32_t border = ReadU32(s + 28);
        uint32_t visibility = ReadU32(s + 48);
        if ((filter & ~kKnownFilterBits) != 0) {
            return Fail(error_, name + " has unknown filter " + Hex(filter));
        }
        for (uint32_t mode : address) {
            if (mode == 0 || mode > kMaxAddressMode) {
                return Fail(error_, name + " has unknown address mode " + std::to_string(mode));
            }
        }
        if (comparison > kMaxComparisonFunc || border > kMaxBorderColor ||
            visibility > kMaxVisibility) {
            return Fail(error_,
                        name + " has an unknown comparison function, border colour or visibility");
        }
        *sampler = {};
        sampler->Filter = D3D12_FILTER(filter);
        sampler->AddressU = D3D12_TEXTURE_ADDRESS_MODE(address[0]);
        sampler->AddressV = D3D12_TEXTURE_ADDRESS_MODE(address[1]);
        sampler->AddressW = D3D12_TEXTURE_ADDRESS_MODE(address[2]);
        sampler->MipLODBias = ReadF32(s + 16);
        sampler->MaxAnisotropy = ReadU32(s + 20);
        sampler->ComparisonFunc = D3D12_COMPARISON_FUNC(comparison);
        sampler->BorderColor = D3D12_STATIC_BORDER_COLOR(border);
        sampler->MinLOD = ReadF32(s + 32);
        sampler->MaxLOD = ReadF32(s + 36);
        sampler->ShaderRegister = ReadU32(s + 40);
        sampler->RegisterSpace = ReadU32(s + 44);
        sampler->ShaderVisibility = D3D12_SHADER_VISIBILITY(visibility);
        return true;
    }

    const uint8_t* data_;
    uint32_t size_;
    std::string* error_;
};

} // namespace

bool ReadRootSignature(const void* bytes, size_t size, RootSignatureDesc* out, std::string* error) {
    if (bytes == nullptr || size < 4) {
        return Fail(error, "no data");
    }
    const uint8_t* data = static_cast<const uint8_t*>(bytes);
    if (ReadU32(data) == kContainerMagic) {
        std::vector<ChunkView> chunks;
        if (!ReadContainer(bytes, size, &chunks, error)) {
            return false;
        }
        const ChunkView* chunk = FindChunk(chunks, kRootSignatureChunk);
        if (chunk == nullptr) {
            return Fail(error, "the container has no RTS0 chunk");
        }
        data = chunk->data;
        size = chunk->size;
    } else if (size > UINT32_MAX) {
        return Fail(error, "body too large");
    }
    RootSignatureDesc desc;
    if (!BodyReader(data, uint32_t(size), error).Read(&desc)) {
        return false;
    }
    if (out != nullptr) {
        *out = std::move(desc);
    }
    return true;
}

std::vector<uint8_t> WriteRootSignature(const RootSignatureDesc& desc) {
    const uint32_t version = desc.version;
    const uint32_t parameterCount = uint32_t(desc.parameters.size());

    // Payloads follow the parameter headers in parameter order.
    std::vector<uint8_t> payloads;
    std::vector<uint32_t> payloadOffsets;
    const uint32_t payloadBase = kHeaderSize + parameterCount * kParameterHeaderSize;
    for (const RootParameter& parameter : desc.parameters) {
        const uint32_t at = payloadBase + uint32_t(payloads.size());
        payloadOffsets.push_back(at);
        switch (parameter.type) {
        case D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE:
            AppendU32(payloads, uint32_t(parameter.ranges.size()));
            AppendU32(payloads, at + 8);
            for (const D3D12_DESCRIPTOR_RANGE1& range : parameter.ranges) {
                AppendU32(payloads, range.RangeType);
                AppendU32(payloads, range.NumDescriptors);
                AppendU32(payloads, range.BaseShaderRegister);
                AppendU32(payloads, range.RegisterSpace);
                if (version != D3D_ROOT_SIGNATURE_VERSION_1_0) {
                    AppendU32(payloads, range.Flags);
                }
                AppendU32(payloads, range.OffsetInDescriptorsFromTableStart);
            }
            break;
        case D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS:
            AppendU32(payloads, parameter.constants.ShaderRegister);
            AppendU32(payloads, parameter.constants.RegisterSpace);
            AppendU32(payloads, parameter.constants.Num32BitValues);
            break;
        default:
            AppendU32(payloads, parameter.descriptor.ShaderRegister);
            AppendU32(payloads, parameter.descriptor.RegisterSpace);
            if (version != D3D_ROOT_SIGNATURE_VERSION_1_0) {
                AppendU32(payloads, parameter.descriptor.Flags);
            }
            break;
        }
    }

    std::vector<uint8_t> out;
    AppendU32(out, version);
    AppendU32(out, parameterCount);
    AppendU32(out, kHeaderSize);
    AppendU32(out, uint32_t(desc.staticSamplers.size()));
    AppendU32(out, payloadBase + uint32_t(payloads.size()));
    AppendU32(out, desc.flags);
    for (uint32_t i = 0; i < parameterCount; ++i) {
        AppendU32(out, desc.parameters[i].type);
        AppendU32(out, desc.parameters[i].visibility);
        AppendU32(out, payloadOffsets[i]);
    }
    out.insert(out.end(), payloads.begin(), payloads.end());
    for (const D3D12_STATIC_SAMPLER_DESC& s : desc.staticSamplers) {
        AppendU32(out, s.Filter);
        AppendU32(out, s.AddressU);
        AppendU32(out, s.AddressV);
        AppendU32(out, s.AddressW);
        AppendF32(out, s.MipLODBias);
        AppendU32(out, s.MaxAnisotropy);
        AppendU32(out, s.ComparisonFunc);
        AppendU32(out, s.BorderColor);
        AppendF32(out, s.MinLOD);
        AppendF32(out, s.MaxLOD);
        AppendU32(out, s.ShaderRegister);
        AppendU32(out, s.RegisterSpace);
        AppendU32(out, s.ShaderVisibility);
    }
    return out;
}

} // namespace dxbc
