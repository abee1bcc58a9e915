// ID3DBlob: an immutable byte buffer handed out by the compiler.
#pragma once

#include <d3dcompiler.h>

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// A new blob holding a copy of the bytes (one reference, owned by the caller).
ID3DBlob* MakeBlob(const void* data, size_t size);
ID3DBlob* MakeBlob(const std::vector<uint8_t>& bytes);
// A text blob, zero-terminated like the compiler's messages.
ID3DBlob* MakeTextBlob(const std::string& text);

} // namespace d3dcompiler_standin
