// The root-signature language: strings parsed, serialized, read back and
// compared field by field, and malformed strings rejected with a position.
#include <root_signature_parser.h>

#include <root_signature_binary.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using d3dcompiler_standin::ParseRootSignature;

// Parses, serializes and reads back, so every check covers the binary too.
dxbc::RootSignatureDesc
RoundTrip(const std::string& text,
          D3D_ROOT_SIGNATURE_VERSION version = D3D_ROOT_SIGNATURE_VERSION_1_1) {
    dxbc::RootSignatureDesc parsed;
    std::string error;
    EXPECT_TRUE(ParseRootSignature(text, version, &parsed, &error)) << text << ": " << error;
    std::vector<uint8_t> body = dxbc::WriteRootSignature(parsed);
    dxbc::RootSignatureDesc read;
    EXPECT_TRUE(dxbc::ReadRootSignature(body.data(), body.size(), &read, &error)) << error;
    return read;
}

std::string ErrorOf(const std::string& text,
                    D3D_ROOT_SIGNATURE_VERSION version = D3D_ROOT_SIGNATURE_VERSION_1_1) {
    dxbc::RootSignatureDesc parsed;
    std::string error;
    EXPECT_FALSE(ParseRootSignature(text, version, &parsed, &error)) << text;
    return error;
}

TEST(RootSignatureLanguage, WorkedExampleSerializesLikeFxc) {
    dxbc::RootSignatureDesc desc;
    std::string error;
    ASSERT_TRUE(ParseRootSignature("DescriptorTable(CBV(b1, space=7), SRV(t16, numDescriptors=8), "
                                   "UAV(u3, numDescriptors=unbounded, offset=44))",
                                   D3D_ROOT_SIGNATURE_VERSION_1_1, &desc, &error))
        << error;
    const std::vector<uint32_t> expected = {
        2, 1,          0x18, 0, 0x74, 0, 0, 0,          0x24, 3,          0x2C, 2, 1, 1, 7,
        0, 0xFFFFFFFF, 0,    8, 16,   0, 0, 0xFFFFFFFF, 1,    0xFFFFFFFF, 3,    0, 0, 44};
    std::vector<uint8_t> body = dxbc::WriteRootSignature(desc);
    ASSERT_EQ(body.size(), expected.size() * 4);
    EXPECT_EQ(0, std::memcmp(body.data(), expected.data(), body.size()));
}

TEST(RootSignatureLanguage, EveryElementRoundTrips) {
    dxbc::RootSignatureDesc desc = RoundTrip(
        "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT | deny_pixel_shader_root_access),"
        "RootConstants(num32BitConstants=3, b4, space=1, visibility=SHADER_VISIBILITY_VERTEX),"
        "CBV(b0, flags=DATA_STATIC),"
        "SRV(t2, space=3, visibility=SHADER_VISIBILITY_PIXEL, "
        "flags=DATA_VOLATILE|DATA_STATIC_WHILE_SET_AT_EXECUTE),"
        "UAV(u1),"
        "descriptortable(SRV(t0, numDescriptors=4, flags=DESCRIPTORS_VOLATILE), "
        "  CBV(b1, offset=DESCRIPTOR_RANGE_OFFSET_APPEND), UAV(u0, offset=10, space=2), "
        "  visibility=SHADER_VISIBILITY_GEOMETRY),"
        "DescriptorTable(Sampler(s0, numDescriptors=2), visibility=SHADER_VISIBILITY_PIXEL),"
        "StaticSampler(s3, filter=FILTER_MIN_MAG_MIP_LINEAR, addressU=TEXTURE_ADDRESS_CLAMP,"
        "  addressV=TEXTURE_ADDRESS_BORDER, addressW=TEXTURE_ADDRESS_MIRROR_ONCE, mipLODBias=-1.5f,"
        "  maxAnisotropy=8, comparisonFunc=COMPARISON_GREATER, "
        "borderColor=STATIC_BORDER_COLOR_OPAQUE_BLACK,"
        "  minLOD=1, maxLOD=1e3, space=5, visibility=SHADER_VISIBILITY_PIXEL),"
        "StaticSampler(s4),");

    EXPECT_EQ(desc.flags, D3D12_ROOT_SIGNATURE_FLAG_ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT |
                              D3D12_ROOT_SIGNATURE_FLAG_DENY_PIXEL_SHADER_ROOT_ACCESS);
    ASSERT_EQ(desc.parameters.size(), 6u);

    const dxbc::RootParameter& constants = desc.parameters[0];
    EXPECT_EQ(constants.type, D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS);
    EXPECT_EQ(constants.visibility, D3D12_SHADER_VISIBILITY_VERTEX);
    EXPECT_EQ(constants.constants.Num32BitValues, 3u);
    EXPECT_EQ(constants.constants.ShaderRegister, 4u);
    EXPECT_EQ(constants.constants.RegisterSpace, 1u);

    EXPECT_EQ(desc.parameters[1].type, D3D12_ROOT_PARAMETER_TYPE_CBV);
    EXPECT_EQ(desc.parameters[1].descriptor.Flags, D3D12_ROOT_DESCRIPTOR_FLAG_DATA_STATIC);
    EXPECT_EQ(desc.parameters[2].type, D3D12_ROOT_PARAMETER_TYPE_SRV);
    EXPECT_EQ(desc.parameters[2].visibility, D3D12_SHADER_VISIBILITY_PIXEL);
    EXPECT_EQ(desc.parameters[2].descriptor.ShaderRegister, 2u);
    EXPECT_EQ(desc.parameters[2].descriptor.RegisterSpace, 3u);
    EXPECT_EQ(desc.parameters[2].descriptor.Flags,
              D3D12_ROOT_DESCRIPTOR_FLAG_DATA_VOLATILE |
                  D3D12_ROOT_DESCRIPTOR_FLAG_DATA_STATIC_WHILE_SET_AT_EXECUTE);
    EXPECT_EQ(desc.parameters[3].type, D3D12_ROOT_PARAMETER_TYPE_UAV);
    EXPECT_EQ(desc.parameters[3].descriptor.ShaderRegister, 1u);
    EXPECT_EQ(desc.parameters[3].descriptor.Flags, D3D12_ROOT_DESCRIPTOR_FLAG_NONE);

    const dxbc::RootParameter& table = desc.parameters[4];
    EXPECT_EQ(table.type, D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE);
    EXPECT_EQ(table.visibility, D3D12_SHADER_VISIBILITY_GEOMETRY);
    ASSERT_EQ(table.ranges.size(), 3u);
    EXPECT_EQ(table.ranges[0].RangeType, D3D12_DESCRIPTOR_RANGE_TYPE_SRV);
    EXPECT_EQ(table.ranges[0].NumDescriptors, 4u);
    EXPECT_EQ(table.ranges[0].Flags, D3D12_DESCRIPTOR_RANGE_FLAG_DESCRIPTORS_VOLATILE);
    EXPECT_EQ(table.ranges[0].OffsetInDescriptorsFromTableStart, 0xFFFFFFFFu);
    EXPECT_EQ(table.ranges[1].RangeType, D3D12_DESCRIPTOR_RANGE_TYPE_CBV);
    EXPECT_EQ(table.ranges[1].BaseShaderRegister, 1u);
    EXPECT_EQ(table.ranges[1].OffsetInDescriptorsFromTableStart, 0xFFFFFFFFu);
    EXPECT_EQ(table.ranges[2].OffsetInDescriptorsFromTableStart, 10u);
    EXPECT_EQ(table.ranges[2].RegisterSpace, 2u);
    ASSERT_EQ(desc.parameters[5].ranges.size(), 1u);
    EXPECT_EQ(desc.parameters[5].ranges[0].RangeType, D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER);
    EXPECT_EQ(desc.parameters[5].ranges[0].NumDescriptors, 2u);

    ASSERT_EQ(desc.staticSamplers.size(), 2u);
    const D3D12_STATIC_SAMPLER_DESC& s = desc.staticSamplers[0];
    EXPECT_EQ(s.Filter, D3D12_FILTER_MIN_MAG_MIP_LINEAR);
    EXPECT_EQ(s.AddressU, D3D12_TEXTURE_ADDRESS_MODE_CLAMP);
    EXPECT_EQ(s.AddressV, D3D12_TEXTURE_ADDRESS_MODE_BORDER);
    EXPECT_EQ(s.AddressW, D3D12_TEXTURE_ADDRESS_MODE_MIRROR_ONCE);
    EXPECT_FLOAT_EQ(s.MipLODBias, -1.5f);
    EXPECT_EQ(s.MaxAnisotropy, 8u);
    EXPECT_EQ(s.ComparisonFunc, D3D12_COMPARISON_FUNC_GREATER);
    EXPECT_EQ(s.BorderColor, D3D12_STATIC_BORDER_COLOR_OPAQUE_BLACK);
    EXPECT_FLOAT_EQ(s.MinLOD, 1.0f);
    EXPECT_FLOAT_EQ(s.MaxLOD, 1000.0f);
    EXPECT_EQ(s.ShaderRegister, 3u);
    EXPECT_EQ(s.RegisterSpace, 5u);
    EXPECT_EQ(s.ShaderVisibility, D3D12_SHADER_VISIBILITY_PIXEL);

    const D3D12_STATIC_SAMPLER_DESC& defaults = desc.staticSamplers[1];
    EXPECT_EQ(defaults.Filter, D3D12_FILTER_ANISOTROPIC);
    EXPECT_EQ(defaults.AddressU, D3D12_TEXTURE_ADDRESS_MODE_WRAP);
    EXPECT_EQ(defaults.AddressW, D3D12_TEXTURE_ADDRESS_MODE_WRAP);
    EXPECT_EQ(defaults.MaxAnisotropy, 16u);
    EXPECT_EQ(defaults.ComparisonFunc, D3D12_COMPARISON_FUNC_LESS_EQUAL);
    EXPECT_EQ(defaults.BorderColor, D3D12_STATIC_BORDER_COLOR_OPAQUE_WHITE);
    EXPECT_EQ(defaults.MinLOD, 0.0f);
    uint32_t maxLodBits;
    std::memcpy(&maxLodBits, &defaults.MaxLOD, 4);
    EXPECT_EQ(maxLodBits, 0x7f7fffffu);
    EXPECT_EQ(defaults.ShaderVisibility, D3D12_SHADER_VISIBILITY_ALL);
}

TEST(RootSignatureLanguage, SameRegistersAreFineApartInSpaceOrStage) {
    RoundTrip("CBV(b0), CBV(b0, space=1), "
              "DescriptorTable(SRV(t0), visibility=SHADER_VISIBILITY_VERTEX), "
              "DescriptorTable(SRV(t0), visibility=SHADER_VISIBILITY_PIXEL), "
              "DescriptorTable(UAV(u0, numDescriptors=unbounded), UAV(u0, space=1, offset=0)), "
              "StaticSampler(s0), StaticSampler(s1)");
}

TEST(RootSignatureLanguage, EmptyStringsAndVersionOne) {
    dxbc::RootSignatureDesc empty = RoundTrip("  ");
    EXPECT_TRUE(empty.parameters.empty());
    EXPECT_EQ(RoundTrip("RootFlags(0)").flags, D3D12_ROOT_SIGNATURE_FLAG_NONE);

    // Whitespace of any kind between tokens.
    dxbc::RootSignatureDesc spaced = RoundTrip("DescriptorTable(\n\tCBV( b0 ,\tspace = 1 )\n)");
    ASSERT_EQ(spaced.parameters.size(), 1u);
    EXPECT_EQ(spaced.parameters[0].ranges[0].RegisterSpace, 1u);

    dxbc::RootSignatureDesc one =
        RoundTrip("DescriptorTable(CBV(b0)), CBV(b1)", D3D_ROOT_SIGNATURE_VERSION_1_0);
    EXPECT_EQ(one.version, D3D_ROOT_SIGNATURE_VERSION_1_0);
    EXPECT_EQ(one.parameters[0].ranges[0].Flags, D3D12_DESCRIPTOR_RANGE_FLAG_DESCRIPTORS_VOLATILE |
                                                     D3D12_DESCRIPTOR_RANGE_FLAG_DATA_VOLATILE);
    EXPECT_NE(
        ErrorOf("CBV(b0, flags=DATA_STATIC)", D3D_ROOT_SIGNATURE_VERSION_1_0).find("version 1.0"),
        std::string::npos);
}

TEST(RootSignatureLanguage, MalformedStringsSayWhereAndWhat) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"CBV(b0) CBV(b1)", "column 9: expected ','"},
        {"CBV(b0", "column 7: expected ',' or ')' in CBV, found the end of the string"},
        {"CBV()", "column 1: CBV needs a register (bN)"},
        {"CBV(t0)", "column 5: CBV takes a 'b' register (lower case), found 't0'"},
        {"SRV(T0)", "found 'T0'"},
        {"CBV(b0, b1)", "column 9: CBV has more than one register"},
        {"CBV(b0, space=1, space=2)", "column 18: 'space' given twice"},
        {"CBV(b0, spaces=1)", "'spaces' is not an option of CBV"},
        {"CBV(b0, space=-1)", "column 15: expected an unsigned integer, found '-'"},
        {"CBV(b0, space=4294967296)", "does not fit 32 bits"},
        {"CBV(b0, visibility=PIXEL)", "expected a SHADER_VISIBILITY_ value, found 'PIXEL'"},
        {"RootFlags(DENY_EVERYTHING)",
         "column 11: expected a root signature flag or 0, found 'DENY_EVERYTHING'"},
        {"RootFlags(0), RootFlags(0)", "column 15: RootFlags given twice"},
        {"RootConstants(b0)", "RootConstants needs num32BitConstants=N"},
        {"DescriptorTable(CBV(b0), Sampler(s0))", "cannot mix Sampler ranges"},
        {"DescriptorTable(Texture(t0))", "column 17: expected a descriptor range"},
        {"DescriptorTable(SRV(t0, numDescriptors=0))", "numDescriptors must be at least 1"},
        {"DescriptorTable(Sampler(s0, flags=DATA_STATIC))", "Sampler ranges take no DATA_* flags"},
        {"StaticSampler(s0, maxAnisotropy=17)", "maxAnisotropy must be at most 16"},
        {"StaticSampler(s0, filter=LINEAR)", "expected a FILTER_ value"},
        {"CBV(b0); CBV(b1)", "column 8: unexpected character ';'"},
        {"Table(CBV(b0))", "column 1: expected a root signature element"},
        {",", "column 1: expected a root signature element"},
        {"StaticSampler(s0, mipLODBias=1.5x)", "malformed number"},
        {"CBV(b0), DescriptorTable(CBV(b0))",
         "registers overlap: b0, space0 (parameter 0) and b0, space0 (parameter 1)"},
        {"DescriptorTable(SRV(t2, numDescriptors=unbounded)), SRV(t40, "
         "visibility=SHADER_VISIBILITY_PIXEL)",
         "registers overlap: t2 onwards"},
        {"RootConstants(num32BitConstants=1, b3), DescriptorTable(CBV(b1, numDescriptors=4))",
         "b1-4"},
        {"StaticSampler(s1), DescriptorTable(Sampler(s0, numDescriptors=2))", "registers overlap"},
        {"DescriptorTable(UAV(u0, numDescriptors=unbounded), UAV(u8, space=1))",
         "follows an unbounded range"},
    };
    for (const Case& c : cases) {
        std::string error = ErrorOf(c.text);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.text << "\n  gave: " << error;
        EXPECT_EQ(error.rfind("root signature: ", 0), 0u) << error;
    }
}

} // namespace
