// The demo's shader file through the compiler: what the D3D12 layer takes
// from the code blobs (SPIR-V, signatures, root signature) and the constant
// buffer layout that the renderer writes.
#include "shader_reflection.h"

#include <renderer/frame_constants.h>
#include <renderer/renderer.h>

#include <d3dcompiler.h>

#include <root_signature_binary.h>
#include <spirv_words.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>

namespace {

using namespace shader_reflection;
namespace spirv = dxbc::spirv;

const std::string kNormalHlsl = std::string(BRENNWICK_SOURCE_DIR) + "/shaders/normal.hlsl";

const dxbc::SignatureElement* Find(const std::vector<dxbc::SignatureElement>& elements,
                                   const std::string& name) {
    for (const dxbc::SignatureElement& element : elements) {
        if (element.semanticName == name) {
            return &element;
        }
    }
    return nullptr;
}

TEST(NormalHlsl, VertexShaderCarriesInputsAndRootSignature) {
    CompileResult vs = Compile(kNormalHlsl, "VSMain", "vs_5_0");
    ASSERT_EQ(vs.hr, S_OK) << vs.errors;
    ASSERT_FALSE(vs.code.empty());

    std::vector<dxbc::SignatureElement> inputs = Signature(vs.code, dxbc::kInputSignatureChunk);
    struct Expected {
        const char* name;
        uint32_t location;
        uint8_t mask;
    };
    for (Expected expected : {Expected{"POSITION", 0, 0x7}, Expected{"NORMAL", 1, 0x7},
                              Expected{"UV", 2, 0x3}, Expected{"COLOR", 3, 0xF}}) {
        const dxbc::SignatureElement* element = Find(inputs, expected.name);
        ASSERT_NE(element, nullptr) << expected.name;
        EXPECT_EQ(element->semanticIndex, 0u) << expected.name;
        EXPECT_EQ(element->systemValue, uint32_t(D3D_NAME_UNDEFINED)) << expected.name;
        EXPECT_EQ(element->componentType, uint32_t(D3D_REGISTER_COMPONENT_FLOAT32))
            << expected.name;
        EXPECT_EQ(element->registerIndex, expected.location) << expected.name;
        EXPECT_EQ(element->mask, expected.mask) << expected.name;
    }
    const dxbc::SignatureElement* instance = Find(inputs, "SV_InstanceID");
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->systemValue, uint32_t(D3D_NAME_INSTANCE_ID));
    EXPECT_EQ(instance->componentType, uint32_t(D3D_REGISTER_COMPONENT_UINT32));
    EXPECT_EQ(inputs.size(), 5u);

    std::vector<uint8_t> body = Chunk(vs.code, dxbc::kRootSignatureChunk);
    dxbc::RootSignatureDesc desc;
    std::string error;
    ASSERT_TRUE(dxbc::ReadRootSignature(vs.code.data(), vs.code.size(), &desc, &error)) << error;
    EXPECT_EQ(desc.version, D3D_ROOT_SIGNATURE_VERSION_1_1);
    EXPECT_EQ(desc.flags, D3D12_ROOT_SIGNATURE_FLAG_ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT);
    ASSERT_EQ(desc.parameters.size(), 1u);
    EXPECT_EQ(desc.parameters[0].type, D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE);
    ASSERT_EQ(desc.parameters[0].ranges.size(), 1u);
    EXPECT_EQ(desc.parameters[0].ranges[0].RangeType, D3D12_DESCRIPTOR_RANGE_TYPE_CBV);
    EXPECT_EQ(desc.parameters[0].ranges[0].BaseShaderRegister, 0u);
    EXPECT_EQ(desc.parameters[0].ranges[0].RegisterSpace, 0u);

    // What the device layer asks for: the bare RTS0 body.
    ID3DBlob* part = nullptr;
    ASSERT_EQ(D3DGetBlobPart(vs.code.data(), vs.code.size(), D3D_BLOB_ROOT_SIGNATURE, 0, &part),
              S_OK);
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->GetBufferSize(), body.size());
    EXPECT_EQ(0, std::memcmp(part->GetBufferPointer(), body.data(), body.size()));
    part->Release();
}

TEST(NormalHlsl, PixelShaderWritesOneTargetAndHasNoRootSignature) {
    CompileResult ps = Compile(kNormalHlsl, "PSMain", "ps_5_0");
    ASSERT_EQ(ps.hr, S_OK) << ps.errors;
    std::vector<dxbc::SignatureElement> outputs = Signature(ps.code, dxbc::kOutputSignatureChunk);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].semanticName, "SV_Target");
    EXPECT_EQ(outputs[0].semanticIndex, 0u);
    EXPECT_EQ(outputs[0].registerIndex, 0u);
    EXPECT_EQ(outputs[0].systemValue, uint32_t(D3D_NAME_TARGET));
    EXPECT_EQ(outputs[0].mask, 0xF);
    EXPECT_TRUE(Chunk(ps.code, dxbc::kRootSignatureChunk).empty());

    ID3DBlob* part = reinterpret_cast<ID3DBlob*>(0x1);
    EXPECT_EQ(D3DGetBlobPart(ps.code.data(), ps.code.size(), D3D_BLOB_ROOT_SIGNATURE, 0, &part),
              E_FAIL);
    EXPECT_EQ(part, nullptr);
}

TEST(NormalHlsl, PixelInputsLineUpWithVertexOutputs) {
    CompileResult vs = Compile(kNormalHlsl, "VSMain", "vs_5_0");
    CompileResult ps = Compile(kNormalHlsl, "PSMain", "ps_5_0");
    ASSERT_EQ(vs.hr, S_OK) << vs.errors;
    ASSERT_EQ(ps.hr, S_OK) << ps.errors;
    std::vector<dxbc::SignatureElement> written = Signature(vs.code, dxbc::kOutputSignatureChunk);
    std::vector<dxbc::SignatureElement> read = Signature(ps.code, dxbc::kInputSignatureChunk);
    EXPECT_NE(Find(written, "SV_Position"), nullptr);
    // Every value the vertex shader writes is read, at the same location.
    for (const dxbc::SignatureElement& output : written) {
        if (output.systemValue != D3D_NAME_UNDEFINED) {
            continue;
        }
        const dxbc::SignatureElement* input = Find(read, output.semanticName);
        ASSERT_NE(input, nullptr) << output.semanticName;
        EXPECT_EQ(input->semanticIndex, output.semanticIndex) << output.semanticName;
        EXPECT_EQ(input->registerIndex, output.registerIndex) << output.semanticName;
        EXPECT_EQ(input->mask, output.mask) << output.semanticName;
    }
}

// The offsets the compiler gives the constant buffer's members are those the
// renderer writes to: its FrameConstants and InstanceRecord layouts.
TEST(NormalHlsl, ConstantBufferMatchesTheRenderersLayout) {
    using Dx12::FrameConstants;
    using Dx12::Renderer;
    CompileResult vs = Compile(kNormalHlsl, "VSMain", "vs_5_0");
    ASSERT_EQ(vs.hr, S_OK) << vs.errors;
    std::vector<uint32_t> spirv = Spirv(vs.code);
    std::map<std::string, uint32_t> offsets = MemberOffsets(spirv, "uniform0");
    const std::map<std::string, size_t> expected = {
        {"identity", offsetof(FrameConstants, identity)},
        {"view", offsetof(FrameConstants, view)},
        {"projection", offsetof(FrameConstants, projection)},
        {"viewportWidth", offsetof(FrameConstants, viewportWidth)},
        {"viewportHeight", offsetof(FrameConstants, viewportHeight)},
        {"aspect", offsetof(FrameConstants, aspect)},
        {"int0", offsetof(FrameConstants, int0)},
        {"frameClock", offsetof(FrameConstants, frameClock)},
        {"viewParam", offsetof(FrameConstants, viewParam)},
        {"slot", Renderer::INSTANCE_SLOTS_OFFSET}};
    for (const auto& [member, offset] : expected) {
        ASSERT_TRUE(offsets.count(member)) << member;
        EXPECT_EQ(offsets[member], offset) << member;
    }
    std::map<std::string, uint32_t> slot = MemberOffsets(spirv, "InstanceSlot");
    EXPECT_EQ(slot["world"], offsetof(InstanceRecord, world));
    EXPECT_EQ(slot["color"], offsetof(InstanceRecord, color));
    // The slots are InstanceRecords back to back and end where the buffer does.
    std::set<uint32_t> arrayStrides; // OpDecorate ... ArrayStride N
    EXPECT_TRUE(spirv::ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t) {
        if (op == spirv::OpDecorate && spirv[at + 2] == spirv::kDecorationArrayStride) {
            arrayStrides.insert(spirv[at + 3]);
        }
    }));
    EXPECT_TRUE(arrayStrides.count(sizeof(InstanceRecord))) << "instance slot stride";
    EXPECT_EQ(offsets["slot"] + Renderer::INSTANCES_PER_BATCH * sizeof(InstanceRecord),
              Renderer::UNIFORM_SIZE);
}

TEST(NormalHlsl, SpirvNeedsNoVulkanExtension) {
    // The semantics travel in the signatures; the SPIR-V keeps neither the
    // decorations nor the SPV_GOOGLE_* extensions they would need.
    for (auto [entry, target] : {std::pair{"VSMain", "vs_5_0"}, std::pair{"PSMain", "ps_5_0"}}) {
        CompileResult result = Compile(kNormalHlsl, entry, target);
        ASSERT_EQ(result.hr, S_OK) << result.errors;
        std::vector<uint32_t> spirv = Spirv(result.code);
        EXPECT_TRUE(spirv::ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t) {
            EXPECT_NE(op, spirv::OpExtension) << entry << ": OpExtension at word " << at;
            EXPECT_NE(op, spirv::OpDecorateString) << entry << ": OpDecorateString at word " << at;
        }));
    }
}

#ifdef SPIRV_VAL
TEST(NormalHlsl, SpirvPassesTheValidator) {
    ScratchDirectory scratch("spirv-val");
    for (auto [entry, target] : {std::pair{"VSMain", "vs_5_0"}, std::pair{"PSMain", "ps_5_0"}}) {
        CompileResult result = Compile(kNormalHlsl, entry, target);
        ASSERT_EQ(result.hr, S_OK) << result.errors;
        std::vector<uint8_t> spirv = Chunk(result.code, dxbc::kSpirvChunk);
        std::string file =
            scratch.Write(std::string(entry) + ".spv", std::string(spirv.begin(), spirv.end()));
        std::string command =
            std::string(SPIRV_VAL) + " --target-env vulkan1.1 --scalar-block-layout " + file;
        EXPECT_EQ(std::system(command.c_str()), 0) << entry;
    }
}
#endif

TEST(BlobParts, SignaturePartsAndRefusals) {
    CompileResult vs = Compile(kNormalHlsl, "VSMain", "vs_5_0");
    ASSERT_EQ(vs.hr, S_OK) << vs.errors;

    ID3DBlob* part = nullptr;
    ASSERT_EQ(
        D3DGetBlobPart(vs.code.data(), vs.code.size(), D3D_BLOB_INPUT_SIGNATURE_BLOB, 0, &part),
        S_OK);
    std::vector<uint8_t> container(static_cast<uint8_t*>(part->GetBufferPointer()),
                                   static_cast<uint8_t*>(part->GetBufferPointer()) +
                                       part->GetBufferSize());
    part->Release();
    EXPECT_EQ(Chunk(container, dxbc::kInputSignatureChunk),
              Chunk(vs.code, dxbc::kInputSignatureChunk));
    EXPECT_TRUE(Chunk(container, dxbc::kSpirvChunk).empty());

    std::vector<uint8_t> damaged = vs.code;
    damaged[damaged.size() / 2] ^= 0x40;
    part = reinterpret_cast<ID3DBlob*>(0x1);
    EXPECT_EQ(D3DGetBlobPart(damaged.data(), damaged.size(), D3D_BLOB_ROOT_SIGNATURE, 0, &part),
              E_FAIL);
    EXPECT_EQ(part, nullptr);
    EXPECT_EQ(D3DGetBlobPart(vs.code.data(), vs.code.size(), D3D_BLOB_PDB, 0, &part), E_NOTIMPL);
    EXPECT_EQ(part, nullptr);
    EXPECT_EQ(D3DGetBlobPart(nullptr, 0, D3D_BLOB_ROOT_SIGNATURE, 0, &part), E_INVALIDARG);

    ID3DBlob* blob = nullptr;
    ASSERT_EQ(D3DCreateBlob(12, &blob), S_OK);
    EXPECT_EQ(blob->GetBufferSize(), 12u);
    ID3D10Blob* same = nullptr;
    EXPECT_EQ(blob->QueryInterface(IID_ID3D10Blob, reinterpret_cast<void**>(&same)), S_OK);
    EXPECT_EQ(same, blob);
    same->Release();
    EXPECT_EQ(blob->Release(), 0u);
}

} // namespace
