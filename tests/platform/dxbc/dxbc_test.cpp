// DXBC containers, signatures, serialized root signatures and SPIR-V binding
// rewrites, checked against published byte layouts.
#include <dxbc_container.h>
#include <md5_checksum.h>
#include <root_signature_binary.h>
#include <signature.h>
#include <spirv_bindings.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t Word(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void Resign(std::vector<uint8_t>& container) {
    std::array<uint32_t, 4> checksum = dxbc::ContainerChecksum(container.data(), container.size());
    std::memcpy(container.data() + 4, checksum.data(), 16);
}

std::vector<uint8_t> EmptyVersionOneContainer() {
    dxbc::RootSignatureDesc desc{};
    desc.version = D3D_ROOT_SIGNATURE_VERSION_1_0;
    return dxbc::WriteContainer({{dxbc::kRootSignatureChunk, dxbc::WriteRootSignature(desc)}});
}

TEST(DxbcContainer, EmptyRootSignatureMatchesTheKnownChecksum) {
    std::vector<uint8_t> container = EmptyVersionOneContainer();
    ASSERT_EQ(container.size(), 68u);
    EXPECT_EQ(Word(container, 0), dxbc::kContainerMagic);
    EXPECT_EQ(Word(container, 4), 0xd64afc1du);
    EXPECT_EQ(Word(container, 8), 0x5dc27735u);
    EXPECT_EQ(Word(container, 12), 0x9edacb4au);
    EXPECT_EQ(Word(container, 16), 0x6bd8a7fau);
    EXPECT_EQ(Word(container, 20), 1u);
    EXPECT_EQ(Word(container, 24), 68u);
    EXPECT_EQ(Word(container, 28), 1u);
    EXPECT_EQ(Word(container, 32), 36u);

    std::vector<dxbc::ChunkView> chunks;
    std::string error;
    ASSERT_TRUE(dxbc::ReadContainer(container.data(), container.size(), &chunks, &error)) << error;
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].fourcc, dxbc::kRootSignatureChunk);
    EXPECT_EQ(chunks[0].size, 24u);
    EXPECT_EQ(chunks[0].data, container.data() + 44);
}

TEST(DxbcContainer, RejectsDamagedContainers) {
    const std::vector<uint8_t> good = EmptyVersionOneContainer();
    std::string error;

    for (size_t at : {size_t(20), size_t(40), size_t(50), size_t(67)}) {
        std::vector<uint8_t> bad = good;
        bad[at] ^= 0x01;
        EXPECT_FALSE(dxbc::ReadContainer(bad.data(), bad.size(), nullptr, &error)) << "byte " << at;
    }
    std::vector<uint8_t> bad = good;
    bad[5] ^= 0x10;
    EXPECT_FALSE(dxbc::ReadContainer(bad.data(), bad.size(), nullptr, &error));
    EXPECT_NE(error.find("checksum"), std::string::npos) << error;

    EXPECT_FALSE(dxbc::ReadContainer(good.data(), good.size() - 1, nullptr, &error));
    EXPECT_NE(error.find("total size"), std::string::npos) << error;
    EXPECT_FALSE(dxbc::ReadContainer(good.data(), 16, nullptr, &error));
    EXPECT_FALSE(dxbc::ReadContainer(nullptr, 0, nullptr, &error));

    // Correctly signed, but a chunk's size or offset points past the end.
    std::vector<uint8_t> oversized = dxbc::WriteContainer({{dxbc::kSpirvChunk, {1, 2, 3, 4}}});
    oversized[40] = 0xFF;
    Resign(oversized);
    EXPECT_FALSE(dxbc::ReadContainer(oversized.data(), oversized.size(), nullptr, &error));
    EXPECT_NE(error.find("runs past the end"), std::string::npos) << error;
    std::vector<uint8_t> misplaced = dxbc::WriteContainer({{dxbc::kSpirvChunk, {1, 2, 3, 4}}});
    misplaced[32] = 0xF0;
    Resign(misplaced);
    EXPECT_FALSE(dxbc::ReadContainer(misplaced.data(), misplaced.size(), nullptr, &error));
}

TEST(DxbcContainer, ChecksumCoversEveryPaddingCase) {
    // Lengths around the 56-byte boundary of the final block, and several blocks.
    for (size_t payload : {0u, 4u, 8u, 12u, 16u, 20u, 24u, 28u, 32u, 36u, 100u, 1000u}) {
        std::vector<uint8_t> data(payload);
        for (size_t i = 0; i < payload; ++i) {
            data[i] = uint8_t(i * 7 + 3);
        }
        std::vector<uint8_t> container =
            dxbc::WriteContainer({{dxbc::kSpirvChunk, data}, {dxbc::kInputSignatureChunk, {}}});
        std::vector<dxbc::ChunkView> chunks;
        std::string error;
        ASSERT_TRUE(dxbc::ReadContainer(container.data(), container.size(), &chunks, &error))
            << error;
        ASSERT_EQ(chunks.size(), 2u);
        EXPECT_EQ(chunks[0].size, payload);
        if (payload > 0) {
            EXPECT_EQ(0, std::memcmp(chunks[0].data, data.data(), payload));
        }
        EXPECT_EQ(chunks[1].fourcc, dxbc::kInputSignatureChunk);
        container.back() ^= 0x80;
        EXPECT_FALSE(dxbc::ReadContainer(container.data(), container.size(), nullptr, &error));
    }
}

D3D12_DESCRIPTOR_RANGE1 Range(D3D12_DESCRIPTOR_RANGE_TYPE type, UINT count, UINT base, UINT space,
                              UINT offset) {
    return {type, count, base, space, D3D12_DESCRIPTOR_RANGE_FLAG_NONE, offset};
}

// DescriptorTable(CBV(b1, space=7), SRV(t16, numDescriptors=8),
//                 UAV(u3, numDescriptors=unbounded, offset=44)) as fxc writes it.
dxbc::RootSignatureDesc WorkedExample() {
    dxbc::RootParameter table{};
    table.type = D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE;
    table.visibility = D3D12_SHADER_VISIBILITY_ALL;
    table.ranges = {Range(D3D12_DESCRIPTOR_RANGE_TYPE_CBV, 1, 1, 7, 0xFFFFFFFF),
                    Range(D3D12_DESCRIPTOR_RANGE_TYPE_SRV, 8, 16, 0, 0xFFFFFFFF),
                    Range(D3D12_DESCRIPTOR_RANGE_TYPE_UAV, 0xFFFFFFFF, 3, 0, 44)};
    dxbc::RootSignatureDesc desc{};
    desc.version = D3D_ROOT_SIGNATURE_VERSION_1_1;
    desc.parameters = {table};
    return desc;
}

TEST(RootSignatureBinary, WorkedExampleMatchesFxcByteForByte) {
    const std::vector<uint32_t> expected = {2, 1,          0x18, 0, 0x74, 0,          // header
                                            0, 0,          0x24,                      // parameter 0
                                            3, 0x2C,                                  // table
                                            2, 1,          1,    7, 0,    0xFFFFFFFF, // CBV
                                            0, 8,          16,   0, 0,    0xFFFFFFFF, // SRV
                                            1, 0xFFFFFFFF, 3,    0, 0,    44};        // UAV
    std::vector<uint8_t> body = dxbc::WriteRootSignature(WorkedExample());
    ASSERT_EQ(body.size(), 0x74u);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Word(body, 4 * i), expected[i]) << "word " << i;
    }
}

TEST(RootSignatureBinary, ReadsBackEveryParameterKindFromBodyAndContainer) {
    dxbc::RootSignatureDesc desc = WorkedExample();
    desc.flags = D3D12_ROOT_SIGNATURE_FLAG_ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT |
                 D3D12_ROOT_SIGNATURE_FLAG_DENY_HULL_SHADER_ROOT_ACCESS;
    desc.parameters[0].ranges[1].Flags = D3D12_DESCRIPTOR_RANGE_FLAG_DATA_STATIC;
    dxbc::RootParameter constants{};
    constants.type = D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS;
    constants.visibility = D3D12_SHADER_VISIBILITY_PIXEL;
    constants.constants = {2, 3, 16};
    dxbc::RootParameter srv{};
    srv.type = D3D12_ROOT_PARAMETER_TYPE_SRV;
    srv.visibility = D3D12_SHADER_VISIBILITY_VERTEX;
    srv.descriptor = {5, 1, D3D12_ROOT_DESCRIPTOR_FLAG_DATA_STATIC};
    desc.parameters.push_back(constants);
    desc.parameters.push_back(srv);
    D3D12_STATIC_SAMPLER_DESC sampler{};
    sampler.Filter = D3D12_FILTER_MIN_MAG_MIP_POINT;
    sampler.AddressU = D3D12_TEXTURE_ADDRESS_MODE_CLAMP;
    sampler.AddressV = D3D12_TEXTURE_ADDRESS_MODE_MIRROR;
    sampler.AddressW = D3D12_TEXTURE_ADDRESS_MODE_BORDER;
    sampler.MipLODBias = -1.5f;
    sampler.MaxAnisotropy = 4;
    sampler.ComparisonFunc = D3D12_COMPARISON_FUNC_GREATER;
    sampler.BorderColor = D3D12_STATIC_BORDER_COLOR_OPAQUE_BLACK;
    sampler.MinLOD = 1.0f;
    sampler.MaxLOD = 8.0f;
    sampler.ShaderRegister = 3;
    sampler.RegisterSpace = 2;
    sampler.ShaderVisibility = D3D12_SHADER_VISIBILITY_PIXEL;
    desc.staticSamplers = {sampler};

    std::vector<uint8_t> body = dxbc::WriteRootSignature(desc);
    std::vector<uint8_t> container = dxbc::WriteContainer(
        {{dxbc::kSpirvChunk, {0, 0, 0, 0}}, {dxbc::kRootSignatureChunk, body}});
    for (const std::vector<uint8_t>* bytes : {&body, &container}) {
        dxbc::RootSignatureDesc read;
        std::string error;
        ASSERT_TRUE(dxbc::ReadRootSignature(bytes->data(), bytes->size(), &read, &error)) << error;
        EXPECT_EQ(read.version, D3D_ROOT_SIGNATURE_VERSION_1_1);
        EXPECT_EQ(read.flags, desc.flags);
        ASSERT_EQ(read.parameters.size(), 3u);
        ASSERT_EQ(read.parameters[0].ranges.size(), 3u);
        for (size_t r = 0; r < 3; ++r) {
            EXPECT_EQ(0, std::memcmp(&read.parameters[0].ranges[r], &desc.parameters[0].ranges[r],
                                     sizeof(D3D12_DESCRIPTOR_RANGE1)))
                << "range " << r;
        }
        EXPECT_EQ(read.parameters[1].type, D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS);
        EXPECT_EQ(read.parameters[1].visibility, D3D12_SHADER_VISIBILITY_PIXEL);
        EXPECT_EQ(read.parameters[1].constants.ShaderRegister, 2u);
        EXPECT_EQ(read.parameters[1].constants.RegisterSpace, 3u);
        EXPECT_EQ(read.parameters[1].constants.Num32BitValues, 16u);
        EXPECT_EQ(read.parameters[2].type, D3D12_ROOT_PARAMETER_TYPE_SRV);
        EXPECT_EQ(read.parameters[2].descriptor.ShaderRegister, 5u);
        EXPECT_EQ(read.parameters[2].descriptor.RegisterSpace, 1u);
        EXPECT_EQ(read.parameters[2].descriptor.Flags, D3D12_ROOT_DESCRIPTOR_FLAG_DATA_STATIC);
        ASSERT_EQ(read.staticSamplers.size(), 1u);
        EXPECT_EQ(0, std::memcmp(&read.staticSamplers[0], &sampler, sizeof(sampler)));
    }
}

TEST(RootSignatureBinary, VersionOneComesBackWithItsImpliedFlags) {
    dxbc::RootSignatureDesc desc = WorkedExample();
    desc.version = D3D_ROOT_SIGNATURE_VERSION_1_0;
    desc.parameters[0].ranges.push_back(Range(D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER, 1, 0, 0, 0));
    dxbc::RootParameter cbv{};
    cbv.type = D3D12_ROOT_PARAMETER_TYPE_CBV;
    cbv.descriptor = {4, 0, D3D12_ROOT_DESCRIPTOR_FLAG_NONE};
    desc.parameters.push_back(cbv);
    std::vector<uint8_t> body = dxbc::WriteRootSignature(desc);
    // Header, 2 parameter headers, table (8 + 4 ranges of 20), root CBV (8).
    EXPECT_EQ(body.size(), 24u + 24u + 88u + 8u);

    dxbc::RootSignatureDesc read;
    std::string error;
    ASSERT_TRUE(dxbc::ReadRootSignature(body.data(), body.size(), &read, &error)) << error;
    EXPECT_EQ(read.version, D3D_ROOT_SIGNATURE_VERSION_1_0);
    const auto& ranges = read.parameters[0].ranges;
    ASSERT_EQ(ranges.size(), 4u);
    const auto volatileBoth = D3D12_DESCRIPTOR_RANGE_FLAG_DESCRIPTORS_VOLATILE |
                              D3D12_DESCRIPTOR_RANGE_FLAG_DATA_VOLATILE;
    EXPECT_EQ(ranges[0].Flags, volatileBoth);
    EXPECT_EQ(ranges[2].Flags, volatileBoth);
    EXPECT_EQ(ranges[2].NumDescriptors, 0xFFFFFFFFu);
    EXPECT_EQ(ranges[2].OffsetInDescriptorsFromTableStart, 44u);
    EXPECT_EQ(ranges[3].Flags, D3D12_DESCRIPTOR_RANGE_FLAG_DESCRIPTORS_VOLATILE);
    EXPECT_EQ(read.parameters[1].descriptor.ShaderRegister, 4u);
    EXPECT_EQ(read.parameters[1].descriptor.Flags, D3D12_ROOT_DESCRIPTOR_FLAG_DATA_VOLATILE);
}

TEST(RootSignatureBinary, RejectsTruncatedAndUnknownData) {
    std::vector<uint8_t> body = dxbc::WriteRootSignature(WorkedExample());
    std::string error;
    for (size_t size : {size_t(0), size_t(20), size_t(0x30), body.size() - 4}) {
        EXPECT_FALSE(dxbc::ReadRootSignature(body.data(), size, nullptr, &error)) << size;
    }
    std::vector<uint8_t> bad = body;
    bad[0] = 7; // version
    EXPECT_FALSE(dxbc::ReadRootSignature(bad.data(), bad.size(), nullptr, &error));
    EXPECT_NE(error.find("version 7"), std::string::npos) << error;
    bad = body;
    bad[0x18] = 9; // parameter type
    EXPECT_FALSE(dxbc::ReadRootSignature(bad.data(), bad.size(), nullptr, &error));
    bad = body;
    bad[21] = 0x10; // root signature flags 0x1000: none defined
    EXPECT_FALSE(dxbc::ReadRootSignature(bad.data(), bad.size(), nullptr, &error));
    EXPECT_NE(error.find("unknown root signature flags 0x1000"), std::string::npos) << error;
    bad = body;
    bad[0x3C] = 0x20; // the CBV range's flags
    EXPECT_FALSE(dxbc::ReadRootSignature(bad.data(), bad.size(), nullptr, &error));
    EXPECT_NE(error.find("unknown flags 0x20"), std::string::npos) << error;
    bad = body;
    bad[0x28] = 0x40; // range count far beyond the body
    EXPECT_FALSE(dxbc::ReadRootSignature(bad.data(), bad.size(), nullptr, &error));

    std::vector<uint8_t> noRootSignature = dxbc::WriteContainer({{dxbc::kSpirvChunk, {}}});
    EXPECT_FALSE(
        dxbc::ReadRootSignature(noRootSignature.data(), noRootSignature.size(), nullptr, &error));
    EXPECT_NE(error.find("RTS0"), std::string::npos) << error;
}

TEST(Signature, RoundTripsElementsAndRejectsBadOffsets) {
    std::vector<dxbc::SignatureElement> elements = {
        {"POSITION", 0, 0, 3, 0, 0x7, 0x7},
        {"TEXCOORD", 3, 0, 3, 1, 0x3, 0x1},
        {"SV_InstanceID", 0, 8, 1, 0, 0x1, 0x0},
    };
    std::vector<uint8_t> bytes = dxbc::WriteSignature(elements);
    EXPECT_EQ(Word(bytes, 0), 3u);
    EXPECT_EQ(Word(bytes, 4), 8u);
    EXPECT_EQ(bytes.size() % 4, 0u);
    dxbc::ChunkView chunk{dxbc::kInputSignatureChunk, bytes.data(), uint32_t(bytes.size())};
    std::vector<dxbc::SignatureElement> read;
    std::string error;
    ASSERT_TRUE(dxbc::ReadSignature(chunk, &read, &error)) << error;
    ASSERT_EQ(read.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read[i].semanticName, elements[i].semanticName);
        EXPECT_EQ(read[i].semanticIndex, elements[i].semanticIndex);
        EXPECT_EQ(read[i].systemValue, elements[i].systemValue);
        EXPECT_EQ(read[i].componentType, elements[i].componentType);
        EXPECT_EQ(read[i].registerIndex, elements[i].registerIndex);
        EXPECT_EQ(read[i].mask, elements[i].mask);
        EXPECT_EQ(read[i].readWriteMask, elements[i].readWriteMask);
    }

    std::vector<uint8_t> bad = bytes;
    bad[8] = 0xF0; // first name offset past the chunk
    chunk.data = bad.data();
    EXPECT_FALSE(dxbc::ReadSignature(chunk, &read, &error));
    chunk.data = bytes.data();
    chunk.size = uint32_t(bytes.size() - 4); // cuts "SV_InstanceID" short of its terminator
    EXPECT_FALSE(dxbc::ReadSignature(chunk, &read, &error));
    chunk.size = 30;
    EXPECT_FALSE(dxbc::ReadSignature(chunk, &read, &error));
}

// fxc's ISG1 / OSG1 form: 32-byte elements that open with a stream and end
// with the minimum precision. Chosen only where an element has a precision.
TEST(Signature, MinimumPrecisionsTravelInTheStreamAndPrecisionForm) {
    std::vector<dxbc::SignatureElement> elements = {
        {"SV_Position", 0, 1, 3, 0, 0xF, 0x0},
        {"COLOR", 0, 0, 3, 1, 0xF, 0x0, 1},    // min16float: FLOAT_16
        {"TEXCOORD", 2, 0, 3, 2, 0x3, 0x0, 2}, // min10float: FLOAT_2_8
        {"TEXCOORD", 3, 0, 1, 3, 0x1, 0x0, 5}, // min16uint: UINT_16
    };
    auto [fourcc, bytes] = dxbc::SignatureChunk(elements, true);
    EXPECT_EQ(fourcc, dxbc::kOutputSignatureMinPrecisionChunk);
    EXPECT_EQ(Word(bytes, 0), 4u);
    EXPECT_EQ(Word(bytes, 4), 8u);
    EXPECT_EQ(Word(bytes, 8 + 32), 0u);         // COLOR's stream
    EXPECT_EQ(Word(bytes, 8 + 32 + 8), 0u);     // its semantic index
    EXPECT_EQ(Word(bytes, 8 + 32 + 28), 1u);    // its minimum precision
    EXPECT_EQ(Word(bytes, 8 + 4), 8u + 4 * 32); // names follow the elements
    dxbc::ChunkView chunk{fourcc, bytes.data(), uint32_t(bytes.size())};
    std::vector<dxbc::SignatureElement> read;
    std::string error;
    ASSERT_TRUE(dxbc::ReadSignature(chunk, &read, &error)) << error;
    ASSERT_EQ(read.size(), elements.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].semanticName, elements[i].semanticName);
        EXPECT_EQ(read[i].semanticIndex, elements[i].semanticIndex);
        EXPECT_EQ(read[i].registerIndex, elements[i].registerIndex);
        EXPECT_EQ(read[i].mask, elements[i].mask);
        EXPECT_EQ(read[i].minPrecision, elements[i].minPrecision);
    }
    // Room for four plain elements is not room for four of these.
    chunk.size = 8 + 4 * 24 + 4;
    EXPECT_FALSE(dxbc::ReadSignature(chunk, &read, &error));

    // The inputs, all 32-bit, keep the plain form; a container holding either
    // form gives its signatures up.
    std::vector<dxbc::SignatureElement> inputs = {{"SV_VertexID", 0, 6, 1, 0, 0x1, 0x1}};
    auto plain = dxbc::SignatureChunk(inputs, false);
    EXPECT_EQ(plain.first, dxbc::kInputSignatureChunk);
    std::vector<uint8_t> container = dxbc::WriteContainer({plain, {fourcc, bytes}});
    std::vector<dxbc::ChunkView> chunks;
    ASSERT_TRUE(dxbc::ReadContainer(container.data(), container.size(), &chunks, &error));
    const dxbc::ChunkView* outputs = dxbc::FindSignatureChunk(chunks, true);
    ASSERT_NE(outputs, nullptr);
    ASSERT_TRUE(dxbc::ReadSignature(*outputs, &read, &error)) << error;
    EXPECT_EQ(read.size(), 4u);
    ASSERT_NE(dxbc::FindSignatureChunk(chunks, false), nullptr);
    EXPECT_EQ(dxbc::FindSignatureChunk(chunks, false)->fourcc, dxbc::kInputSignatureChunk);
}

// A geometry shader's outputs in streams past 0 are written as OSG5, whose
// 28-byte elements open with the stream; with a minimum precision as well,
// OSG1 carries both. Either is found as the output signature.
TEST(Signature, StreamsTravelInTheirOwnForm) {
    std::vector<dxbc::SignatureElement> elements = {
        {"SV_Position", 0, 1, 3, 1, 0xF, 0x0},
        {"TEXCOORD", 0, 0, 3, 0, 0xF, 0x0, 0, 1},
    };
    auto [fourcc, bytes] = dxbc::SignatureChunk(elements, true);
    EXPECT_EQ(fourcc, dxbc::MakeFourCC('O', 'S', 'G', '5'));
    EXPECT_EQ(Word(bytes, 8 + 28), 1u);     // TEXCOORD's stream
    EXPECT_EQ(Word(bytes, 8 + 28 + 8), 0u); // its semantic index
    std::vector<uint8_t> container = dxbc::WriteContainer({{fourcc, bytes}});
    std::vector<dxbc::ChunkView> chunks;
    std::string error;
    ASSERT_TRUE(dxbc::ReadContainer(container.data(), container.size(), &chunks, &error));
    const dxbc::ChunkView* outputs = dxbc::FindSignatureChunk(chunks, true);
    ASSERT_NE(outputs, nullptr);
    std::vector<dxbc::SignatureElement> read;
    ASSERT_TRUE(dxbc::ReadSignature(*outputs, &read, &error)) << error;
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].stream, 0u);
    EXPECT_EQ(read[1].stream, 1u);
    EXPECT_EQ(read[1].semanticName, "TEXCOORD");

    elements[1].minPrecision = 1;
    auto precise = dxbc::SignatureChunk(elements, true);
    EXPECT_EQ(precise.first, dxbc::kOutputSignatureMinPrecisionChunk);
    dxbc::ChunkView chunk{precise.first, precise.second.data(), uint32_t(precise.second.size())};
    ASSERT_TRUE(dxbc::ReadSignature(chunk, &read, &error)) << error;
    EXPECT_EQ(read[1].stream, 1u);
    EXPECT_EQ(read[1].minPrecision, 1u);
}

TEST(SpirvBindings, RewritesEverySetAndBindingPair) {
    // Header, then OpDecorate %10 DescriptorSet 0, %10 Binding 256, %11 Binding 0,
    // %11 DescriptorSet 2, %12 Location 3 (untouched).
    std::vector<uint32_t> spirv = {
        0x07230203, 0x00010300,      0,  20, 0, (4u << 16) | 71, 10, 34, 0, (4u << 16) | 71, 10, 33,
        256,        (4u << 16) | 71, 11, 33, 0, (4u << 16) | 71, 11, 34, 2, (4u << 16) | 71, 12, 30,
        3};
    std::vector<std::pair<uint32_t, uint32_t>> seen;
    std::string error;
    ASSERT_TRUE(dxbc::RemapSpirvBindings(
        spirv,
        [&](uint32_t set, uint32_t binding, uint32_t* newSet, uint32_t* newBinding) {
            seen.push_back({set, binding});
            *newSet = set + 10;
            *newBinding = binding + 1;
            return true;
        },
        &error))
        << error;
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(spirv[8], 10u);
    EXPECT_EQ(spirv[12], 257u);
    EXPECT_EQ(spirv[16], 1u);
    EXPECT_EQ(spirv[20], 12u);
    EXPECT_EQ(spirv[24], 3u);

    // A refused pair leaves the module as it was.
    const std::vector<uint32_t> before = spirv;
    EXPECT_FALSE(dxbc::RemapSpirvBindings(
        spirv, [](uint32_t set, uint32_t, uint32_t*, uint32_t*) { return set != 12; }, &error));
    EXPECT_EQ(spirv, before);
    EXPECT_NE(error.find("set 12"), std::string::npos) << error;

    std::vector<uint32_t> truncated(spirv.begin(), spirv.end() - 1);
    truncated[truncated.size() - 4] = (9u << 16) | 71;
    EXPECT_FALSE(dxbc::RemapSpirvBindings(
        truncated, [](uint32_t, uint32_t, uint32_t*, uint32_t*) { return true; }, &error));
    std::vector<uint32_t> notSpirv = {1, 2, 3, 4, 5};
    EXPECT_FALSE(dxbc::RemapSpirvBindings(
        notSpirv, [](uint32_t, uint32_t, uint32_t*, uint32_t*) { return true; }, &error));
}

} // namespace
