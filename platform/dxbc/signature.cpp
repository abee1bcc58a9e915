#include "signature.h"

#include "byte_io.h"

namespace dxbc {
namespace {

constexpr uint32_t kHeaderSize = 8; // element count, offset of the first element
constexpr uint32_t kOutputStreamChunk = MakeFourCC('O', 'S', 'G', '5');

// Per element: [stream], name offset, semantic index, system value, component
// type, register, then mask, read/write mask and two bytes of padding,
// [minimum precision]. The bracketed words are in some forms only.
struct ElementLayout {
    bool stream;
    bool minPrecision;
    uint32_t Size() const { return 24 + (stream ? 4 : 0) + (minPrecision ? 4 : 0); }
};

ElementLayout LayoutOf(uint32_t fourcc) {
    const bool minPrecision = fourcc == kInputSignatureMinPrecisionChunk ||
                              fourcc == kOutputSignatureMinPrecisionChunk ||
                              fourcc == kPatchSignatureMinPrecisionChunk;
    return {minPrecision || fourcc == kOutputStreamChunk, minPrecision};
}

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) {
        *error = "signature: " + reason;
    }
    return false;
}

// The element at `element`, its name read from the chunk; false when the name
// lies outside it.
bool ReadElement(const ChunkView& chunk, const uint8_t* element, ElementLayout layout,
                 SignatureElement* parsed) {
    const uint8_t* fields = element + (layout.stream ? 4 : 0);
    parsed->stream = layout.stream ? ReadU32(element) : 0;
    const uint32_t nameOffset = ReadU32(fields);
    if (nameOffset >= chunk.size) {
        return false;
    }
    const uint8_t* name = chunk.data + nameOffset;
    size_t length = 0;
    while (nameOffset + length < chunk.size && name[length] != 0) {
        ++length;
    }
    if (nameOffset + length == chunk.size) {
        return false;
    }
    parsed->semanticName.assign(reinterpret_cast<const char*>(name), length);
    parsed->semanticIndex = ReadU32(fields + 4);
    parsed->systemValue = ReadU32(fields + 8);
    parsed->componentType = ReadU32(fields + 12);
    parsed->registerIndex = ReadU32(fields + 16);
    parsed->mask = fields[20];
    parsed->readWriteMask = fields[21];
    parsed->minPrecision = layout.minPrecision ? ReadU32(fields + 24) : 0;
    return true;
}

std::vector<uint8_t> Write(const std::vector<SignatureElement>& elements, ElementLayout layout) {
    std::vector<uint8_t> out;
    AppendU32(out, uint32_t(elements.size()));
    AppendU32(out, kHeaderSize);
    uint32_t nameOffset = kHeaderSize + uint32_t(elements.size()) * layout.Size();
    std::vector<uint8_t> names;
    for (const SignatureElement& element : elements) {
        if (layout.stream) {
            AppendU32(out, element.stream);
        }
        AppendU32(out, nameOffset + uint32_t(names.size()));
        AppendU32(out, element.semanticIndex);
        AppendU32(out, element.systemValue);
        AppendU32(out, element.componentType);
        AppendU32(out, element.registerIndex);
        out.push_back(element.mask);
        out.push_back(element.readWriteMask);
        out.push_back(0);
        out.push_back(0);
        if (layout.minPrecision) {
            AppendU32(out, element.minPrecision);
        }
        names.insert(names.end(), element.semanticName.begin(), element.semanticName.end());
        names.push_back(0);
        names.resize((names.size() + 3) & ~size_t(3), 0);
    }
    out.insert(out.end(), names.begin(), names.end());
    return out;
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
    const ElementLayout layout = LayoutOf(chunk.fourcc);
    uint32_t count = ReadU32(chunk.data);
    uint32_t first = ReadU32(chunk.data + 4);
    if (!InRange(first, uint64_t(count) * layout.Size(), chunk.size)) {
        return Fail(error, std::to_string(count) + " elements run past the chunk");
    }
    std::vector<SignatureElement> read(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (!ReadElement(chunk, chunk.data + first + i * layout.Size(), layout, &read[i])) {
            return Fail(error, "element " + std::to_string(i) +
                                   " names a string outside the chunk or unterminated");
        }
    }
    if (elements != nullptr) {
        *elements = std::move(read);
    }
    return true;
}

std::vector<uint8_t> WriteSignature(const std::vector<SignatureElement>& elements) {
    return Write(elements, {false, false});
}

std::vector<uint8_t> WriteMinPrecisionSignature(const std::vector<SignatureElement>& elements) {
    return Write(elements, {true, true});
}

std::pair<uint32_t, std::vector<uint8_t>>
SignatureChunk(const std::vector<SignatureElement>& elements, bool outputs) {
    for (const SignatureElement& element : elements) {
        if (element.minPrecision != 0) {
            return {outputs ? kOutputSignatureMinPrecisionChunk : kInputSignatureMinPrecisionChunk,
                    WriteMinPrecisionSignature(elements)};
        }
    }
    for (const SignatureElement& element : elements) {
        if (outputs && element.stream != 0) {
            return {kOutputStreamChunk, Write(elements, {true, false})};
        }
    }
    return {outputs ? kOutputSignatureChunk : kInputSignatureChunk, WriteSignature(elements)};
}

const ChunkView* FindSignatureChunk(const std::vector<ChunkView>& chunks, bool outputs) {
    const ChunkView* plain =
        FindChunk(chunks, outputs ? kOutputSignatureChunk : kInputSignatureChunk);
    if (plain != nullptr) {
        return plain;
    }
    const ChunkView* streams = outputs ? FindChunk(chunks, kOutputStreamChunk) : nullptr;
    return streams != nullptr ? streams
                              : FindChunk(chunks, outputs ? kOutputSignatureMinPrecisionChunk
                                                          : kInputSignatureMinPrecisionChunk);
}

} // namespace dxbc
