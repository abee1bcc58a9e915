#include "dxbc_container.h"

#include "byte_io.h"
#include "md5_checksum.h"

#include <cstdio>

namespace dxbc {
namespace {

constexpr uint32_t kVersion = 1; // major 1, minor 0
constexpr size_t kChunkHeaderSize = 8;

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) {
        *error = "DXBC container: " + reason;
    }
    return false;
}

} // namespace

std::string FourCCName(uint32_t fourcc) {
    std::string name;
    for (int i = 0; i < 4; ++i) {
        char c = char((fourcc >> (8 * i)) & 0xFF);
        if (c >= 0x20 && c < 0x7F) {
            name += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof(hex), "\\x%02X", unsigned(uint8_t(c)));
            name += hex;
        }
    }
    return name;
}

bool ReadContainer(const void* bytes, size_t size, std::vector<ChunkView>* chunks,
                   std::string* error) {
    if (chunks != nullptr) {
        chunks->clear();
    }
    if (bytes == nullptr) {
        return Fail(error, "no data");
    }
    const uint8_t* data = static_cast<const uint8_t*>(bytes);
    if (size < kContainerHeaderSize) {
        return Fail(error, "only " + std::to_string(size) + " bytes, shorter than the header");
    }
    if (ReadU32(data) != kContainerMagic) {
        return Fail(error, "bad magic (not a DXBC container)");
    }
    uint32_t version = ReadU32(data + 20);
    if (version != kVersion) {
        return Fail(error, "unsupported version " + std::to_string(version & 0xFFFF) + "." +
                               std::to_string(version >> 16));
    }
    uint32_t totalSize = ReadU32(data + 24);
    if (totalSize < kContainerHeaderSize || totalSize > size) {
        return Fail(error, "total size " + std::to_string(totalSize) + " does not fit the " +
                               std::to_string(size) + " bytes given");
    }
    uint32_t chunkCount = ReadU32(data + 28);
    if (!InRange(kContainerHeaderSize, uint64_t(chunkCount) * 4, totalSize)) {
        return Fail(error,
                    "chunk table of " + std::to_string(chunkCount) + " entries runs past the end");
    }

    std::array<uint32_t, 4> expected = ContainerChecksum(data, totalSize);
    for (int i = 0; i < 4; ++i) {
        if (ReadU32(data + 4 + 4 * i) != expected[i]) {
            return Fail(error, "checksum mismatch (corrupted or unsigned data)");
        }
    }

    std::vector<ChunkView> found;
    found.reserve(chunkCount);
    for (uint32_t i = 0; i < chunkCount; ++i) {
        uint32_t offset = ReadU32(data + kContainerHeaderSize + 4 * i);
        if (!InRange(offset, kChunkHeaderSize, totalSize)) {
            return Fail(error, "chunk " + std::to_string(i) + " starts outside the container");
        }
        uint32_t chunkSize = ReadU32(data + offset + 4);
        if (!InRange(uint64_t(offset) + kChunkHeaderSize, chunkSize, totalSize)) {
            return Fail(error, "chunk " + std::to_string(i) + " (" +
                                   FourCCName(ReadU32(data + offset)) + ") runs past the end");
        }
        found.push_back({ReadU32(data + offset), data + offset + kChunkHeaderSize, chunkSize});
    }
    if (chunks != nullptr) {
        *chunks = std::move(found);
    }
    return true;
}

std::vector<uint8_t>
WriteContainer(const std::vector<std::pair<uint32_t, std::vector<uint8_t>>>& chunks) {
    std::vector<uint8_t> out(kContainerHeaderSize + 4 * chunks.size(), 0);
    WriteU32(out.data(), kContainerMagic);
    WriteU32(out.data() + 20, kVersion);
    WriteU32(out.data() + 28, uint32_t(chunks.size()));
    for (size_t i = 0; i < chunks.size(); ++i) {
        WriteU32(out.data() + kContainerHeaderSize + 4 * i, uint32_t(out.size()));
        AppendU32(out, chunks[i].first);
        AppendU32(out, uint32_t(chunks[i].second.size()));
        out.insert(out.end(), chunks[i].second.begin(), chunks[i].second.end());
        out.resize((out.size() + 3) & ~size_t(3), 0);
    }
    WriteU32(out.data() + 24, uint32_t(out.size()));
    std::array<uint32_t, 4> checksum = ContainerChecksum(out.data(), out.size());
    for (int i = 0; i < 4; ++i) {
        WriteU32(out.data() + 4 + 4 * i, checksum[i]);
    }
    return out;
}

const ChunkView* FindChunk(const std::vector<ChunkView>& chunks, uint32_t fourcc) {
    for (const ChunkView& chunk : chunks) {
        if (chunk.fourcc == fourcc) {
            return &chunk;
        }
    }
    return nullptr;
}

} // namespace dxbc
