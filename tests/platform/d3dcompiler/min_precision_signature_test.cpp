// Minimum-precision values in a stage's signatures: each element carries the
// D3D_MIN_PRECISION of its declared type, in the ISG1 / OSG1 chunks Windows'
// compiler writes for them; signatures without one keep ISGN / OSGN.
#include "shader_reflection.h"

#include <d3dcompiler.h>

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace shader_reflection;

constexpr char kStages[] = R"hlsl(
struct Varyings {
    float4 position : SV_Position;
    min16float4 colour : COLOR;
    min10float2 uv[2] : TEXCOORD0;
    nointerpolation min16int whole : TEXCOORD2;
    nointerpolation min12int twelve : TEXCOORD3;
    nointerpolation min16uint unsigned16 : TEXCOORD4;
    float plain : TEXCOORD5;
};
Varyings VSMain(uint id : SV_VertexID) {
    Varyings o = (Varyings)0;
    o.position = float4(id, 0, 0, 1);
    return o;
}
min10float4 PSMain(min16float4 colour : COLOR, min10float2 uv : TEXCOORD1,
                   float plain : TEXCOORD5) : SV_Target {
    return colour + uv.xyxy + plain;
}
// Another entry point's declarations say nothing of these two's.
float4 PSTenBit(min10float4 colour : COLOR) : SV_Target { return colour; }
)hlsl";

// "TEXCOORD2" -> its element's minimum precision.
std::map<std::string, uint32_t> Precisions(const std::vector<dxbc::SignatureElement>& elements) {
    std::map<std::string, uint32_t> precisions;
    for (const dxbc::SignatureElement& element : elements) {
        precisions[element.semanticName + std::to_string(element.semanticIndex)] =
            element.minPrecision;
    }
    return precisions;
}

class MinPrecisionSignatures : public ::testing::Test {
protected:
    ScratchDirectory scratch{"min_precision"};
    std::string path = scratch.Write("stages.hlsl", kStages);
};

TEST_F(MinPrecisionSignatures, EachTypeGetsItsPrecisionInTheFormWindowsWrites) {
    CompileResult vs = Compile(path, "VSMain", "vs_5_0");
    ASSERT_EQ(vs.hr, S_OK) << vs.errors;
    EXPECT_TRUE(Chunk(vs.code, dxbc::kOutputSignatureChunk).empty());
    EXPECT_TRUE(Chunk(vs.code, dxbc::kInputSignatureMinPrecisionChunk).empty());
    EXPECT_EQ(Signature(vs.code, dxbc::kInputSignatureChunk).size(), 1u); // SV_VertexID
    const std::map<std::string, uint32_t> expected = {
        {"SV_Position0", D3D_MIN_PRECISION_DEFAULT}, {"COLOR0", D3D_MIN_PRECISION_FLOAT_16},
        {"TEXCOORD0", D3D_MIN_PRECISION_FLOAT_2_8},  {"TEXCOORD1", D3D_MIN_PRECISION_FLOAT_2_8},
        {"TEXCOORD2", D3D_MIN_PRECISION_SINT_16},    {"TEXCOORD3", D3D_MIN_PRECISION_SINT_16},
        {"TEXCOORD4", D3D_MIN_PRECISION_UINT_16},    {"TEXCOORD5", D3D_MIN_PRECISION_DEFAULT},
    };
    EXPECT_EQ(Precisions(Signature(vs.code, dxbc::kOutputSignatureMinPrecisionChunk)), expected);

    CompileResult ps = Compile(path, "PSMain", "ps_5_0");
    ASSERT_EQ(ps.hr, S_OK) << ps.errors;
    EXPECT_TRUE(Chunk(ps.code, dxbc::kInputSignatureChunk).empty());
    EXPECT_EQ(Precisions(Signature(ps.code, dxbc::kInputSignatureMinPrecisionChunk)),
              (std::map<std::string, uint32_t>{{"COLOR0", D3D_MIN_PRECISION_FLOAT_16},
                                               {"TEXCOORD1", D3D_MIN_PRECISION_FLOAT_2_8},
                                               {"TEXCOORD5", D3D_MIN_PRECISION_DEFAULT}}));
    EXPECT_EQ(Precisions(Signature(ps.code, dxbc::kOutputSignatureMinPrecisionChunk)),
              (std::map<std::string, uint32_t>{{"SV_Target0", D3D_MIN_PRECISION_FLOAT_2_8}}));
}

TEST_F(MinPrecisionSignatures, BlobPartsKeepTheChunkForm) {
    CompileResult vs = Compile(path, "VSMain", "vs_5_0");
    ASSERT_EQ(vs.hr, S_OK) << vs.errors;
    ID3DBlob* part = nullptr;
    ASSERT_EQ(D3DGetBlobPart(vs.code.data(), vs.code.size(),
                             D3D_BLOB_INPUT_AND_OUTPUT_SIGNATURE_BLOB, 0, &part),
              S_OK);
    const uint8_t* bytes = static_cast<const uint8_t*>(part->GetBufferPointer());
    const std::vector<uint8_t> container(bytes, bytes + part->GetBufferSize());
    part->Release();
    EXPECT_EQ(Signature(container, dxbc::kInputSignatureChunk).size(), 1u);
    EXPECT_EQ(Signature(container, dxbc::kOutputSignatureMinPrecisionChunk).size(), 8u);
}

} // namespace
