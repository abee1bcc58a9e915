// Helpers for tests that look inside compiled shaders.
#pragma once

#include <d3dcompiler.h>

#include <dxbc_container.h>
#include <signature.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace shader_reflection {

// Each byte of `path` as one code unit, the way the system widens names.
std::wstring Wide(const std::string& path);

// A fresh directory under the test binary's folder, removed by the destructor.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name);
    ~ScratchDirectory();
    std::string Write(const std::string& relativePath, const std::string& contents) const;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct CompileResult {
    HRESULT hr = E_FAIL;
    std::vector<uint8_t> code; // empty without a code blob
    std::string errors;        // the error blob's text
};

CompileResult Compile(const std::string& path, const char* entryPoint, const char* target,
                      const D3D_SHADER_MACRO* defines = nullptr,
                      ID3DInclude* include = D3D_COMPILE_STANDARD_FILE_INCLUDE, UINT flags = 0);

// Compiling `source`, written as case.hlsl in `scratch`, at PSMain for ps_5_0
// fails with the one message that case.hlsl's path and `line` make, or, where
// `line` is empty, gives no message.
void ExpectCaseMessage(const ScratchDirectory& scratch, const std::string& source,
                       const std::string& line);

// Whether the compiler's `errors` hold `text`; the message quotes them.
testing::AssertionResult Mentions(const std::string& errors, const std::string& text);

std::vector<uint8_t> Chunk(const std::vector<uint8_t>& container, uint32_t fourcc);
std::vector<uint32_t> Spirv(const std::vector<uint8_t>& container);
std::vector<dxbc::SignatureElement> Signature(const std::vector<uint8_t>& container,
                                              uint32_t fourcc);

// Byte offsets of the members of the SPIR-V struct type named `structName`.
std::map<std::string, uint32_t> MemberOffsets(const std::vector<uint32_t>& spirv,
                                              const std::string& structName);
// Decorations (number -> literal) that members of `structName` carry, per member name.
std::map<std::string, std::map<uint32_t, uint32_t>>
MemberDecorations(const std::vector<uint32_t>& spirv, const std::string& structName);

} // namespace shader_reflection
