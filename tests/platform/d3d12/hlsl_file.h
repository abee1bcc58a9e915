// HLSL compiled the way the system loads its shaders: from a file.
#pragma once

#include <gtest/gtest.h>

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
