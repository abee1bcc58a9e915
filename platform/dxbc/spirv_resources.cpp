#include "spirv_resources.h"
#include "spirv_words.h"

#include <set>

namespace dxbc {
namespace {

using namespace spirv;

constexpr uint32_t kOpTypeImage = 25;
constexpr uint32_t kOpTypeRuntimeArray = 29;
constexpr uint32_t kDimBuffer = 5;
constexpr uint32_t kSampledStorage = 2; // an image read and written without a sampler
constexpr uint32_t kFormatUnknown = 0;
constexpr uint32_t kFormatR32f = 3;
constexpr uint32_t kFormatR32i = 24;
constexpr uint32_t kFormatR32ui = 33;
constexpr uint32_t kOpImageRead = 98;
constexpr uint32_t kOpImageTexelPointer = 60;
constexpr uint32_t kStorageUniformConstant = 0;
constexpr uint32_t kCapabilityReadWithoutFormat = 55;
constexpr uint32_t kCapabilityWriteWithoutFormat = 56;

// The type definitions and block decorations the shapes are read from.
struct TypeTable {
    std::map<uint32_t, size_t> definitions; // result id -> instruction index
    std::set<uint32_t> bufferBlocks;        // structs decorated BufferBlock
};

TypeTable ReadTypes(const std::vector<uint32_t>& spirv) {
    TypeTable table;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if ((op == kOpTypeImage || op == OpTypeArray || op == kOpTypeRuntimeArray ||
             op == OpTypePointer || op == OpTypeStruct) &&
            count >= 2) {
            table.definitions[spirv[at + 1]] = at;
        } else if (op == OpDecorate && count >= 3 && spirv[at + 2] == kDecorationBufferBlock) {
            table.bufferBlocks.insert(spirv[at + 1]);
        }
    });
    return table;
}

// The shape of a variable of pointer type `pointer` (arrays of resources take
// their element's shape).
ResourceShape ShapeOf(const std::vector<uint32_t>& spirv, const TypeTable& types,
                      uint32_t pointer) {
    auto found = types.definitions.find(pointer);
    if (found == types.definitions.end() || (spirv[found->second] & 0xFFFF) != OpTypePointer) {
        return ResourceShape::Plain;
    }
    const uint32_t storage = spirv[found->second + 2];
    uint32_t type = spirv[found->second + 3];
    for (int depth = 0; depth < 8; ++depth) {
        found = types.definitions.find(type);
        if (found == types.definitions.end()) {
            return ResourceShape::Plain;
        }
        const size_t at = found->second;
        const uint32_t op = spirv[at] & 0xFFFF;
        if (op == OpTypeArray || op == kOpTypeRuntimeArray) {
            type = spirv[at + 2];
            continue;
        }
        if (op == kOpTypeImage) {
            return spirv[at + 3] == kDimBuffer ? ResourceShape::TexelBuffer : ResourceShape::Plain;
        }
        if (op == OpTypeStruct &&
            (storage == kStorageStorageBuffer || types.bufferBlocks.count(type) != 0)) {
            return ResourceShape::StorageBuffer;
        }
        return ResourceShape::Plain;
    }
    return ResourceShape::Plain;
}

} // namespace

std::map<uint32_t, ResourceShape> ResourceShapes(const std::vector<uint32_t>& spirv) {
    std::map<uint32_t, ResourceShape> shapes;
    if (spirv.size() < kHeaderWords || spirv[0] != kMagic) {
        return shapes;
    }
    const TypeTable types = ReadTypes(spirv);
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op != OpVariable || count < 4) {
            return;
        }
        const uint32_t storage = spirv[at + 3];
        if (storage == kStorageUniformConstant || storage == kStorageUniform ||
            storage == kStorageStorageBuffer) {
            shapes[spirv[at + 2]] = ShapeOf(spirv, types, spirv[at + 1]);
        }
    });
    return shapes;
}

namespace {

// The storage image types the shader reads texels from (OpImageRead through
// a value of that type).
std::set<uint32_t> ReadImageTypes(const std::vector<uint32_t>& spirv) {
    std::map<uint32_t, uint32_t> loadedTypes; // loaded value -> its type
    std::set<uint32_t> read;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpLoad && count >= 4) {
            loadedTypes[spirv[at + 2]] = spirv[at + 1];
        } else if (op == kOpImageRead && count >= 5) {
            auto type = loadedTypes.find(spirv[at + 3]);
            if (type != loadedTypes.end()) {
                read.insert(type->second);
            }
        }
    });
    return read;
}

// The storage image types the shader takes texel pointers into, for atomics:
// Vulkan needs the format of those (a 32-bit integer or float one).
std::set<uint32_t> AtomicImageTypes(const std::vector<uint32_t>& spirv) {
    std::map<uint32_t, uint32_t> pointerTypes; // pointer value -> its type
    std::map<uint32_t, uint32_t> pointees;     // pointer type -> the type it points to
    std::set<uint32_t> atomic;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpTypePointer && count >= 4) {
            pointees[spirv[at + 1]] = spirv[at + 3];
        } else if ((op == OpVariable || op == OpAccessChain) && count >= 4) {
            pointerTypes[spirv[at + 2]] = spirv[at + 1];
        } else if (op == kOpImageTexelPointer && count >= 4) {
            const auto type = pointerTypes.find(spirv[at + 3]);
            if (type != pointerTypes.end()) {
                atomic.insert(pointees[type->second]);
            }
        }
    });
    return atomic;
}

bool IsSingle32BitFormat(uint32_t format) {
    return format == kFormatR32f || format == kFormatR32i || format == kFormatR32ui;
}

} // namespace

bool ForgetStorageImageFormats(std::vector<uint32_t>& spirv, bool readWithoutFormat) {
    if (spirv.size() < kHeaderWords || spirv[0] != kMagic) {
        return true;
    }
    const std::set<uint32_t> read = ReadImageTypes(spirv);
    const std::set<uint32_t> atomic = AtomicImageTypes(spirv);
    bool changed = false;
    bool loadable = true;
    std::set<uint32_t> capabilities;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpCapability && count >= 2) {
            capabilities.insert(spirv[at + 1]);
            return;
        }
        if (op != kOpTypeImage || count < 9 || spirv[at + 7] != kSampledStorage ||
            spirv[at + 8] == kFormatUnknown || atomic.count(spirv[at + 1]) != 0) {
            return;
        }
        if (!readWithoutFormat && read.count(spirv[at + 1]) != 0) {
            // Every device loads single 32-bit formats; other typed loads need
            // TypedUAVLoadAdditionalFormats.
            loadable = loadable && IsSingle32BitFormat(spirv[at + 8]);
            return;
        }
        spirv[at + 8] = kFormatUnknown;
        changed = true;
    });
    if (!changed) {
        return loadable;
    }
    // Capabilities come first in a module: declaring them after the header
    // keeps the module's layout valid.
    std::vector<uint32_t> added;
    for (uint32_t capability : {kCapabilityReadWithoutFormat, kCapabilityWriteWithoutFormat}) {
        if (capabilities.count(capability) == 0) {
            added.insert(added.end(), {(2u << 16) | OpCapability, capability});
        }
    }
    spirv.insert(spirv.begin() + kHeaderWords, added.begin(), added.end());
    return loadable;
}

} // namespace dxbc
