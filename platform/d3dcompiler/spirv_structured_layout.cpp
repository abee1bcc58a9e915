#include "spirv_structured_layout.h"

#include <spirv_words.h>

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kOpTypeRuntimeArray = 29;
constexpr uint32_t kDecorationBufferBlock = 3;

class StructuredLayout {
public:
    explicit StructuredLayout(SpirvModule& module) : module_(module) {}

    void Run() {
        for (uint32_t block : StorageBlocks()) {
            const SpirvInstruction* definition = module_.Definition(block);
            if (definition == nullptr || definition->size() < 3) {
                continue;
            }
            bool misaligned = false;
            PackedSize(block, 0, &misaligned);
            if (misaligned) {
                continue; // glslang's layout stays, which Vulkan can express
            }
            const uint32_t last = uint32_t(definition->size()) - 3;
            const SpirvInstruction* array = module_.Definition(definition->back());
            if (array != nullptr && OpcodeOf(*array) == kOpTypeRuntimeArray) {
                SetArrayStride(module_, definition->back(), SizeOf(block, last, (*array)[2]));
            }
        }
    }

private:
    // Structures decorated BufferBlock, or Block with a runtime array last:
    // structured and raw buffers, not constant buffers.
    std::vector<uint32_t> StorageBlocks() const {
        std::vector<uint32_t> blocks;
        for (const SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 3 &&
                (instruction[2] == kDecorationBufferBlock || instruction[2] == kDecorationBlock)) {
                blocks.push_back(instruction[1]);
            }
        }
        return blocks;
    }

    // The packed size of `type`, starting at `offset`; sets `misaligned` where
    // a 64-bit component would land off an 8-byte boundary, which Vulkan's
    // scalar layout cannot express (a double after a float).
    uint32_t PackedSize(uint32_t type, uint32_t offset, bool* misaligned) const {
        const SpirvInstruction* definition = module_.Definition(type);
        if (definition == nullptr) {
            return 0;
        }
        const SpirvInstruction& t = *definition;
        uint32_t size = 0;
        switch (OpcodeOf(t)) {
        case OpTypeBool:
            return 4;
        case OpTypeInt:
        case OpTypeFloat:
            *misaligned = *misaligned || (t[2] == 64 && offset % 8 != 0);
            return t[2] / 8;
        case OpTypeVector:
        case OpTypeMatrix:
            for (uint32_t part = 0; part < t[3]; ++part) {
                size += PackedSize(t[2], offset + size, misaligned);
            }
            return size;
        case OpTypeArray:
        case kOpTypeRuntimeArray:
            size = PackedSize(t[2], offset, misaligned);
            PackedSize(t[2], offset + size, misaligned); // the next element's start
            return OpcodeOf(t) == OpTypeArray ? size * ConstantValue(module_, t[3]) : 0;
        case OpTypeStruct:
            for (size_t member = 2; member < t.size(); ++member) {
                size += PackedSize(t[member], offset + size, misaligned);
            }
            return size;
        default:
            return 0;
        }
    }

    // Sets the members' offsets one after another; returns the size.
    uint32_t LayOut(uint32_t structure) {
        const auto done = sizes_.find(structure);
        if (done != sizes_.end()) {
            return done->second;
        }
        const SpirvInstruction* definition = module_.Definition(structure);
        uint32_t offset = 0;
        for (uint32_t member = 0; definition != nullptr && member + 2 < definition->size();
             ++member) {
            SetMemberDecoration(module_, structure, member, kDecorationOffset, offset);
            offset += SizeOf(structure, member, (*definition)[member + 2]);
        }
        sizes_[structure] = offset;
        return offset;
    }

    // The size of member `member` of `structure`, of `type`, laying out what
    // it holds on the way.
    uint32_t SizeOf(uint32_t structure, uint32_t member, uint32_t type) {
        const SpirvInstruction* definition = module_.Definition(type);
        if (definition == nullptr) {
            return 0;
        }
        const SpirvInstruction& t = *definition;
        switch (OpcodeOf(t)) {
        case OpTypeBool:
            return 4;
        case OpTypeInt:
        case OpTypeFloat:
            return t[2] / 8;
        case OpTypeVector:
            return SizeOf(structure, member, t[2]) * t[3];
        case OpTypeMatrix: {
            const SpirvInstruction* column = module_.Definition(t[2]);
            if (column == nullptr) {
                return 0;
            }
            const uint32_t component = SizeOf(structure, member, (*column)[2]);
            const bool rowMajor =
                HasMemberDecoration(module_, structure, member, kDecorationRowMajor);
            SetMemberDecoration(module_, structure, member, kDecorationMatrixStride,
                                component * (rowMajor ? t[3] : (*column)[3]));
            return component * t[3] * (*column)[3];
        }
        case OpTypeArray:
        case kOpTypeRuntimeArray: {
            const uint32_t stride = SizeOf(structure, member, t[2]);
            SetArrayStride(module_, type, stride);
            return OpcodeOf(t) == OpTypeArray ? stride * ConstantValue(module_, t[3]) : 0;
        }
        case OpTypeStruct:
            return LayOut(type);
        default:
            return 0;
        }
    }

    SpirvModule& module_;
    std::map<uint32_t, uint32_t> sizes_;
};

} // namespace

void LayOutStructuredBuffers(SpirvModule& module) {
    StructuredLayout(module).Run();
}

} // namespace d3dcompiler_standin
