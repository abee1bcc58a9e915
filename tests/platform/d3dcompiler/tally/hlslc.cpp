// Compiles one HLSL file the way the program does and prints what the
// compiler said: `hlslc <file> <entry point> <target> [repeats]`. Repeats
// compile again in the same process, as F5 does, timing each. Exit status 0
// when it compiled, 1 when it did not, 2 for a usage error. With HLSLC_OUT set
// in the environment, the code blob of the last compile is written there.
#include <d3dcompiler.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

HRESULT CompileOnce(const std::string& path, const char* entryPoint, const char* target) {
    const std::wstring wide(path.begin(), path.end());
    ID3DBlob* code = nullptr;
    ID3DBlob* errors = nullptr;
    const auto start = std::chrono::steady_clock::now();
    const HRESULT hr = D3DCompileFromFile(wide.c_str(), nullptr, D3D_COMPILE_STANDARD_FILE_INCLUDE,
                                          entryPoint, target, 0, 0, &code, &errors);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (errors != nullptr) {
        std::printf("%s", static_cast<const char*>(errors->GetBufferPointer()));
        errors->Release();
    }
    std::printf("hr=%08X code=%zu bytes in %.1f ms\n", static_cast<unsigned>(hr),
                code != nullptr ? static_cast<size_t>(code->GetBufferSize()) : size_t(0),
                took.count());
    if (code != nullptr) {
        if (const char* out = std::getenv("HLSLC_OUT")) {
            std::ofstream(out, std::ios::binary)
                .write(static_cast<const char*>(code->GetBufferPointer()),
                       static_cast<std::streamsize>(code->GetBufferSize()));
        }
        code->Release();
    }
    return hr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <file> <entry point> <target> [repeats]\n", argv[0]);
        return 2;
    }
    const int repeats = argc == 5 ? std::max(1, std::atoi(argv[4])) : 1;
    HRESULT hr = S_OK;
    for (int i = 0; i < repeats; ++i) {
        hr = CompileOnce(argv[1], argv[2], argv[3]);
    }
    return SUCCEEDED(hr) ? 0 : 1;
}
