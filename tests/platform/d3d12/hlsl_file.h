// HLSL compiled the way the system loads its shaders: from a file.
#pragma once

#include <gtest/gtest.h>

#include "com_ptr.h"

#include <d3d12.h>
#include <d3dcompiler.h>

#include <cstdio>
#include <cstring>
#include <string>

// Compiles `entry` for `target` from the file at `path`. Null, with the
// compiler's messages as a test failure, when it does not compile.
inline ID3DBlob* CompileHlslPath(const std::string& path, const char* entry, const char* target) {
    std::wstring wide(path.begin(), path.end());
    ID3DBlob* code = nullptr;
    ID3DBlob* errors = nullptr;
    D3DCompileFromFile(wide.c_str(), nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE, entry, target, 0,
                       0, &code, &errors);
    if (errors != nullptr) {
        ADD_FAILURE() << static_cast<const char*>(errors->GetBufferPointer());
        errors->Release();
    }
    if (code == nullptr) {
        ADD_FAILURE() << path << " does not compile " << entry << " for " << target;
    }
    return code;
}

// Writes `source` to `name` in the build folder and compiles `entry` for
// `target` from there, as CompileHlslPath.
inline ID3DBlob* CompileHlslFile(const char* source, const char* name, const char* entry,
                                 const char* target) {
    std::string path = std::string(BRENNWICK_BINARY_DIR) + "/" + name;
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(source, 1, std::strlen(source), file);
        std::fclose(file);
    }
    return CompileHlslPath(path, entry, target);
}

// Compiles VSMain and PSMain from `source` (written to `name`) into `vs` and
// `ps`, and makes the root signature the vertex shader carries. False, with a
// test failure, where the compiler or the device refuses one of them.
inline bool CompileWithRootSignature(ID3D12Device* device, const char* source, const char* name,
                                     ComPtr<ID3DBlob>* vs, ComPtr<ID3DBlob>* ps,
                                     ComPtr<ID3D12RootSignature>* rootSignature) {
    vs->Attach(CompileHlslFile(source, name, "VSMain", "vs_5_0"));
    ps->Attach(CompileHlslFile(source, name, "PSMain", "ps_5_0"));
    if (!*vs || !*ps) {
        return false;
    }
    const HRESULT made =
        device->CreateRootSignature(0, (*vs)->GetBufferPointer(), (*vs)->GetBufferSize(),
                                    IID_ID3D12RootSignature, rootSignature->PutVoid());
    EXPECT_EQ(made, S_OK) << name << "'s root signature";
    return made == S_OK;
}
