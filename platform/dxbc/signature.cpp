#include "signature.h"

#include "byte_io.h"

namespace dxbc {
namespace {

// Per element: name offset, semantic index, system value, component type,
// register, then mask, read/write mask and two bytes of padding.
constexpr uint32_t kElementSize = 24;
constexpr uint32_t kHeaderSize = 8; // element count, offset of the first element

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) {
        *error = "signature: " + reason;
    }
    return false;
}

} // namespace

bool ReadSignature(const ChunkView& chunk, std::vector<SignatureElement>* elements,
                   std::string* error) {
    if (elements != nullptr) {
        elements->clear();
    }
    if (chunk.data == nullptr || chunk.size < kHeaderSize) {
        return Fail(error, "chunk too small for its header");
    }
    uint32_t count = ReadU32(chunk.data);
    uint32_t first = ReadU32(chunk.data + 4);
    if (!InRange(first, uint64_t(count) * kElementSize, chunk.size)) {
        return Fail(error, std::to_string(count) + " elements run past the chunk");
    }
    std::vector<SignatureElement> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* element = chunk.data + first + i * kElementSize;
        uint32_t nameOffset = ReadU32(element);
        if (nameOffset >= chunk.size) {
            return Fail(error,
                        "element " + std::to_string(i) + " names a string outside the chunk");
        }
        const uint8_t* name = chunk.data + nameOffset;
        size_t length = 0;
        while (nameOffset + length < chunk.size && name[length] != 0) {
            ++length;
        }
        if (nameOffset + length == chunk.size) {
            return Fail(error, "element " + std::to_string(i) + " has an unterminated name");
        }
        SignatureElement parsed;
        parsed.semanticName.assign(reinterpret_cast<const char*>(name), length);
        parsed.semanticIndex = ReadU32(element + 4);
        parsed.systemValue = ReadU32(element + 8);
        parsed.componentType = ReadU32(element + 12);
        parsed.registerIndex = ReadU32(element + 16);
        parsed.mask = element[20];
        parsed.readWriteMask = element[21];
        read.push_back(std::move(parsed));
    }
    if (elements != nullptr) {
        *elements = std::move(read);
    }
    return true;
}

std::vector<uint8_t> WriteSignature(const std::vector<SignatureElement>& elements) {
    std::vector<uint8_t> out;
    AppendU32(out, uint32_t(elements.size()));
    AppendU32(out, kHeaderSize);
    uint32_t nameOffset = kHeaderSize + uint32_t(elements.size()) * kElementSize;
    std::vector<uint8_t> names;
    for (const SignatureElement& element : elements) {
        AppendU32(out, nameOffset + uint32_t(names.size()));
        AppendU32(out, element.semanticIndex);
        AppendU32(out, element.systemValue);
        AppendU32(out, element.componentType);
        AppendU32(out, element.registerIndex);
        out.push_back(element.mask);
        out.push_back(element.readWriteMask);
        out.push_back(0);
        out.push_back(0);
        names.insert(names.end(), element.semanticName.begin(), element.semanticName.end());
        names.push_back(0);
        names.resize((names.size() + 3) & ~size_t(3), 0);
    }
    out.insert(out.end(), names.begin(), names.end());
    return out;
}

} // namespace dxbc
