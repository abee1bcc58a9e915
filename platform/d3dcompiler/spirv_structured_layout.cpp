#include "spirv_structured_layout.h"

#include "spirv_split_doubles.h"

#include <spirv_words.h>

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

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
            if (misaligned && SplitDoubleMembers(module_, block)) {
                definition = module_.Definition(block);
                PackedSize(block, 0, &misaligned);
            }
            if (misaligned) {
                continue; // glslang's layout stays, which Vulkan can express
            }
            const uint32_t last = uint32_t(definition->size()) - 3;
            const SpirvInstruction* array = module_.Definition(definition->back());
            if (array != nullptr && OpcodeOf(*array) == OpTypeRuntimeArray) {
                Walk walk{/*decorate=*/true};
                SetArrayStride(module_, definition->back(),
                               SizeOf({block, last}, (*array)[2], 0, walk));
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

    // Sets the members' offsets one after another; returns the size.
    uint32_t LayOut(uint32_t structure) {
        const auto done = sizes_.find(structure);
        if (done != sizes_.end()) {
            return done->second;
        }
        const SpirvInstruction* definition = module_.Definition(structure);
        uint32_t offset = 0;
        Walk walk{/*decorate=*/true};
        for (uint32_t member = 0; definition != nullptr && member + 2 < definition->size();
             ++member) {
            SetMemberDecoration(module_, structure, member, kDecorationOffset, offset);
            offset += SizeOf({structure, member}, (*definition)[member + 2], offset, walk);
        }
        sizes_[structure] = offset;
        return offset;
    }

    struct Member {
        uint32_t structure;
        uint32_t member;
    };
    // One walk serves both passes: a dry one that only looks for a 64-bit
    // component off an 8-byte boundary (`offset` counts from the block's
    // start), which Vulkan's scalar layout cannot express (a double after a
    // float), and one that decorates strides and offsets on the way.
    struct Walk {
        bool decorate;
        bool misaligned = false;
    };

    uint32_t PackedSize(uint32_t type, uint32_t offset, bool* misaligned) {
        Walk walk{/*decorate=*/false};
        const uint32_t size = SizeOf({0, 0}, type, offset, walk);
        *misaligned = walk.misaligned;
        return size;
    }

    // The size of `type`, member `at.member` of `at.structure`, at `offset`.
    uint32_t SizeOf(Member at, uint32_t type, uint32_t offset, Walk& walk) {
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
            walk.misaligned = walk.misaligned || (t[2] == 64 && offset % 8 != 0);
            return t[2] / 8;
        case OpTypeVector:
        case OpTypeMatrix:
            return PartsSize(at, t, offset, walk);
        case OpTypeArray:
        case OpTypeRuntimeArray: {
            const uint32_t stride = SizeOf(at, t[2], offset, walk);
            if (walk.decorate) {
                SetArrayStride(module_, type, stride);
            } else {
                SizeOf(at, t[2], offset + stride, walk); // the next element's start
            }
            return OpcodeOf(t) == OpTypeArray ? stride * ConstantValue(module_, t[3]) : 0;
        }
        case OpTypeStruct:
            return walk.decorate ? LayOut(type) : MembersSize(t, offset, walk);
        default:
            return 0;
        }
    }

    // A vector's components or a matrix's columns, one after another; a
    // matrix's stride follows its member's majority.
    uint32_t PartsSize(Member at, const SpirvInstruction& t, uint32_t offset, Walk& walk) {
        uint32_t size = 0;
        for (uint32_t part = 0; part < t[3]; ++part) {
            size += SizeOf(at, t[2], offset + size, walk);
        }
        const SpirvInstruction* column = module_.Definition(t[2]);
        if (walk.decorate && OpcodeOf(t) == OpTypeMatrix && column != nullptr && t[3] != 0) {
            const uint32_t component = size / t[3] / (*column)[3];
            const bool rowMajor =
                HasMemberDecoration(module_, at.structure, at.member, kDecorationRowMajor);
            SetMemberDecoration(module_, at.structure, at.member, kDecorationMatrixStride,
                                component * (rowMajor ? t[3] : (*column)[3]));
        }
        return size;
    }

    uint32_t MembersSize(const SpirvInstruction& t, uint32_t offset, Walk& walk) {
        uint32_t size = 0;
        for (size_t member = 2; member < t.size(); ++member) {
            size += SizeOf({0, 0}, t[member], offset + size, walk);
        }
        return size;
    }

    SpirvModule& module_;
    std::map<uint32_t, uint32_t> sizes_;
};

} // namespace

void LayOutStructuredBuffers(SpirvModule& module) {
    StructuredLayout(module).Run();
}

} // namespace d3dcompiler_standin
