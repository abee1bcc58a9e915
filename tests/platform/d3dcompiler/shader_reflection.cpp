#include "shader_reflection.h"
#include "spirv_words.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <unistd.h>

namespace shader_reflection {
namespace {

using namespace dxbc::spirv;

struct Names {
    std::map<uint32_t, std::string> ids;
    std::map<std::pair<uint32_t, uint32_t>, std::string> members;
};

Names ReadNames(const std::vector<uint32_t>& spirv) {
    Names names;
    EXPECT_TRUE(ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpName) {
            names.ids[spirv[at + 1]] = ReadLiteralString(spirv, at + 2, at + count);
        } else if (op == OpMemberName) {
            names.members[{spirv[at + 1], spirv[at + 2]}] =
                ReadLiteralString(spirv, at + 3, at + count);
        }
    }));
    return names;
}

} // namespace

std::wstring Wide(const std::string& path) {
    return std::wstring(path.begin(), path.end());
}

ScratchDirectory::ScratchDirectory(const std::string& name)
    : path_(std::filesystem::path(BRENNWICK_BINARY_DIR) / "scratch" /
            (name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::Write(const std::string& relativePath,
                                    const std::string& contents) const {
    std::filesystem::path file = path_ / relativePath;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
    return file.string();
}

CompileResult Compile(const std::string& path, const char* entryPoint, const char* target,
                      const D3D_SHADER_MACRO* defines, ID3DInclude* include, UINT flags) {
    CompileResult result;
    ID3DBlob* code = nullptr;
    ID3DBlob* errors = nullptr;
    std::wstring wide = Wide(path);
    result.hr = D3DCompileFromFile(wide.c_str(), defines, include, entryPoint, target, flags, 0,
                                   &code, &errors);
    if (code != nullptr) {
        const uint8_t* bytes = static_cast<const uint8_t*>(code->GetBufferPointer());
        result.code.assign(bytes, bytes + code->GetBufferSize());
        code->Release();
    }
    if (errors != nullptr) {
        result.errors = static_cast<const char*>(errors->GetBufferPointer());
        errors->Release();
    }
    return result;
}

void ExpectCaseMessage(const ScratchDirectory& scratch, const std::string& source,
                       const std::string& line) {
    SCOPED_TRACE(source);
    const std::string path = scratch.Write("case.hlsl", source);
    const CompileResult result = Compile(path, "PSMain", "ps_5_0");
    if (!line.empty()) {
        EXPECT_EQ(result.hr, E_FAIL);
    }
    EXPECT_EQ(result.errors, line.empty() ? "" : path + line + "\n");
}

testing::AssertionResult Mentions(const std::string& errors, const std::string& text) {
    const bool found = errors.find(text) != std::string::npos;
    return (found ? testing::AssertionSuccess() : testing::AssertionFailure())
           << "\"" << text << (found ? "\" is among " : "\" is not among ") << errors;
}

std::vector<uint8_t> Chunk(const std::vector<uint8_t>& container, uint32_t fourcc) {
    std::vector<dxbc::ChunkView> chunks;
    std::string error;
    EXPECT_TRUE(dxbc::ReadContainer(container.data(), container.size(), &chunks, &error)) << error;
    const dxbc::ChunkView* chunk = dxbc::FindChunk(chunks, fourcc);
    if (chunk == nullptr) {
        return {};
    }
    return std::vector<uint8_t>(chunk->data, chunk->data + chunk->size);
}

std::vector<uint32_t> Spirv(const std::vector<uint8_t>& container) {
    std::vector<uint8_t> bytes = Chunk(container, dxbc::kSpirvChunk);
    std::vector<uint32_t> words(bytes.size() / 4);
    std::memcpy(words.data(), bytes.data(), words.size() * 4);
    return words;
}

std::vector<dxbc::SignatureElement> Signature(const std::vector<uint8_t>& container,
                                              uint32_t fourcc) {
    std::vector<uint8_t> bytes = Chunk(container, fourcc);
    std::vector<dxbc::SignatureElement> elements;
    std::string error;
    EXPECT_TRUE(
        dxbc::ReadSignature({fourcc, bytes.data(), uint32_t(bytes.size())}, &elements, &error))
        << error;
    return elements;
}

std::map<std::string, std::map<uint32_t, uint32_t>>
MemberDecorations(const std::vector<uint32_t>& spirv, const std::string& structName) {
    Names names = ReadNames(spirv);
    std::map<std::string, std::map<uint32_t, uint32_t>> decorations;
    EXPECT_TRUE(ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op != OpMemberDecorate || names.ids[spirv[at + 1]] != structName) {
            return;
        }
        const std::string& member = names.members[{spirv[at + 1], spirv[at + 2]}];
        decorations[member][spirv[at + 3]] = count > 4 ? spirv[at + 4] : 1;
    }));
    return decorations;
}

std::map<std::string, uint32_t> MemberOffsets(const std::vector<uint32_t>& spirv,
                                              const std::string& structName) {
    std::map<std::string, uint32_t> offsets;
    for (const auto& [member, decorations] : MemberDecorations(spirv, structName)) {
        auto offset = decorations.find(kDecorationOffset);
        if (offset != decorations.end()) {
            offsets[member] = offset->second;
        }
    }
    return offsets;
}

} // namespace shader_reflection
