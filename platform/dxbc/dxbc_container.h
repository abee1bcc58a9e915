// The DXBC container: a signed header followed by a table of four-character
// chunks. Compiled shaders and serialized root signatures both travel in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace dxbc {

constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 |
           uint32_t(uint8_t(d)) << 24;
}

inline constexpr uint32_t kContainerMagic = MakeFourCC('D', 'X', 'B', 'C');
inline constexpr uint32_t kRootSignatureChunk = MakeFourCC('R', 'T', 'S', '0');
inline constexpr uint32_t kSpirvChunk = MakeFourCC('S', 'P', 'R', 'V');
inline constexpr uint32_t kInputSignatureChunk = MakeFourCC('I', 'S', 'G', 'N');
inline constexpr uint32_t kOutputSignatureChunk = MakeFourCC('O', 'S', 'G', 'N');
// The same signatures with each element's stream and minimum precision.
inline constexpr uint32_t kInputSignatureMinPrecisionChunk = MakeFourCC('I', 'S', 'G', '1');
inline constexpr uint32_t kOutputSignatureMinPrecisionChunk = MakeFourCC('O', 'S', 'G', '1');
inline constexpr uint32_t kPatchSignatureMinPrecisionChunk = MakeFourCC('P', 'S', 'G', '1');

// Size of the fixed header (magic, checksum, version, total size, chunk count).
inline constexpr size_t kContainerHeaderSize = 32;

// One chunk inside a container; `data` points into the caller's bytes.
struct ChunkView {
    uint32_t fourcc;
    const uint8_t* data;
    uint32_t size;
};

// Splits a container into its chunks after checking magic, version, sizes and
// checksum. On failure returns false with a reason in `error` (if given).
bool ReadContainer(const void* bytes, size_t size, std::vector<ChunkView>* chunks,
                   std::string* error);

// Builds a signed container holding the chunks in the given order.
std::vector<uint8_t>
WriteContainer(const std::vector<std::pair<uint32_t, std::vector<uint8_t>>>& chunks);

// The first chunk with `fourcc`, or null.
const ChunkView* FindChunk(const std::vector<ChunkView>& chunks, uint32_t fourcc);

// "RTS0" for display in messages.
std::string FourCCName(uint32_t fourcc);

} // namespace dxbc
