#include "spirv_cbuffer_layout.h"

#include <spirv_words.h>

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kRegisterBytes = 16;

uint32_t RoundUp(uint32_t value, uint32_t to) {
    return (value + to - 1) / to * to;
}

// What HLSL's packing needs of a type: its size without the padding of its
// last register, whether it starts a register of its own, and the boundary
// its components keep (8 bytes for doubles).
struct Extent {
    uint32_t size = 0;
    bool startsRegister = false;
    uint32_t alignment = 4;
};

class CbufferLayout {
public:
    CbufferLayout(SpirvModule& module, const std::set<std::string>& placed)
        : module_(module), placed_(placed) {}

    void Run() {
        for (uint32_t block : UniformBlocks()) {
            if (placed_.empty()) {
                LayOut(block);
            } else {
                LayOutAroundPlaced(block);
            }
        }
    }

private:
    // Constant buffers (Block in Uniform), and tbuffers, whose registers
    // glslang declares as a storage block without the runtime array of a
    // structured or raw buffer: BufferBlock in Uniform, or (glslang 15) Block
    // in StorageBuffer.
    std::set<uint32_t> UniformBlocks() const {
        std::set<uint32_t> blocks;
        std::set<uint32_t> pointees;
        for (const SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 3 &&
                (instruction[2] == kDecorationBlock || instruction[2] == kDecorationBufferBlock) &&
                !EndsInRuntimeArray(instruction[1])) {
                blocks.insert(instruction[1]);
            } else if (OpcodeOf(instruction) == OpTypePointer && instruction.size() == 4 &&
                       (instruction[2] == kStorageUniform ||
                        instruction[2] == kStorageStorageBuffer)) {
                pointees.insert(instruction[3]);
            }
        }
        std::set<uint32_t> uniform;
        for (uint32_t block : blocks) {
            if (pointees.count(block) != 0) {
                uniform.insert(block);
            }
        }
        return uniform;
    }

    bool EndsInRuntimeArray(uint32_t structure) const {
        const SpirvInstruction* definition = module_.Definition(structure);
        const SpirvInstruction* last = definition != nullptr && definition->size() > 2
                                           ? module_.Definition(definition->back())
                                           : nullptr;
        return last != nullptr && OpcodeOf(*last) == OpTypeRuntimeArray;
    }

    // Sets the members' offsets by HLSL's rules; returns the structure's extent.
    Extent LayOut(uint32_t structure) {
        auto done = laidOut_.find(structure);
        if (done != laidOut_.end()) {
            return done->second;
        }
        const SpirvInstruction* definition = module_.Definition(structure);
        Extent extent{0, true};
        if (definition == nullptr) {
            return extent;
        }
        const std::vector<uint32_t> members(definition->begin() + 2, definition->end());
        uint32_t offset = 0;
        for (uint32_t member = 0; member < members.size(); ++member) {
            const bool rowMajor =
                HasMemberDecoration(module_, structure, member, kDecorationRowMajor);
            const Extent placed = ExtentOf(members[member], rowMajor);
            offset = RoundUp(offset, placed.alignment);
            if (placed.startsRegister || offset % kRegisterBytes + placed.size > kRegisterBytes) {
                offset = RoundUp(offset, kRegisterBytes);
            }
            SetMemberDecoration(module_, structure, member, kDecorationOffset, offset);
            offset += placed.size;
        }
        extent.size = offset;
        laidOut_[structure] = extent;
        return extent;
    }

    // The members the source placed keep glslang's offsets; the others follow
    // the end of the last of them declared by HLSL's rules, passing over the
    // registers placed ones hold.
    void LayOutAroundPlaced(uint32_t block) {
        const SpirvInstruction* definition = module_.Definition(block);
        if (definition == nullptr) {
            return;
        }
        const std::vector<uint32_t> members(definition->begin() + 2, definition->end());
        std::vector<bool> placed(members.size(), false);
        for (const SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == OpMemberName && instruction[1] == block &&
                instruction[2] < members.size()) {
                placed[instruction[2]] = placed_.count(LiteralString(instruction, 3)) != 0;
            }
        }
        uint32_t offset = 0;
        std::vector<std::pair<uint32_t, uint32_t>> held; // [first, end) of placed members
        for (uint32_t member = 0; member < members.size(); ++member) {
            if (placed[member]) {
                const uint32_t first = MemberOffset(block, member);
                offset = first + ExtentOf(members[member], IsRowMajor(block, member)).size;
                held.push_back({first, offset});
            }
        }
        for (uint32_t member = 0; member < members.size(); ++member) {
            if (placed[member]) {
                continue;
            }
            const Extent extent = ExtentOf(members[member], IsRowMajor(block, member));
            offset = FreeOffset(offset, extent, held);
            SetMemberDecoration(module_, block, member, kDecorationOffset, offset);
            offset += extent.size;
        }
    }

    bool IsRowMajor(uint32_t block, uint32_t member) const {
        return HasMemberDecoration(module_, block, member, kDecorationRowMajor);
    }

    // The first offset from `offset` where HLSL's rules put `extent` and no
    // placed member's bytes lie.
    static uint32_t FreeOffset(uint32_t offset, const Extent& extent,
                               const std::vector<std::pair<uint32_t, uint32_t>>& held) {
        for (bool moved = true; moved;) {
            offset = RoundUp(offset, extent.alignment);
            if (extent.startsRegister || offset % kRegisterBytes + extent.size > kRegisterBytes) {
                offset = RoundUp(offset, kRegisterBytes);
            }
            moved = false;
            for (const auto& [first, end] : held) {
                if (offset < end && first < offset + extent.size) {
                    offset = end;
                    moved = true;
                }
            }
        }
        return offset;
    }

    uint32_t MemberOffset(uint32_t structure, uint32_t member) const {
        for (const SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == OpMemberDecorate && instruction.size() == 5 &&
                instruction[1] == structure && instruction[2] == member &&
                instruction[3] == kDecorationOffset) {
                return instruction[4];
            }
        }
        return 0;
    }

    static std::string LiteralString(const SpirvInstruction& instruction, size_t first) {
        std::string text;
        for (size_t word = first; word < instruction.size(); ++word) {
            for (int byte = 0; byte < 4; ++byte) {
                const char c = char((instruction[word] >> (8 * byte)) & 0xFF);
                if (c == '\0') {
                    return text;
                }
                text += c;
            }
        }
        return text;
    }

    Extent ExtentOf(uint32_t type, bool rowMajor) {
        const SpirvInstruction* definition = module_.Definition(type);
        if (definition == nullptr) {
            return {};
        }
        const SpirvInstruction& t = *definition;
        switch (OpcodeOf(t)) {
        case OpTypeBool:
            return {4, false};
        case OpTypeInt:
        case OpTypeFloat:
            return {t[2] / 8, false, t[2] / 8};
        case OpTypeVector: {
            const Extent component = ExtentOf(t[2], false);
            return {component.size * t[3], false, component.alignment};
        }
        case OpTypeMatrix: {
            // Each column (or row, when row-major) fills a register of its own.
            const SpirvInstruction* column = module_.Definition(t[2]);
            if (column == nullptr) {
                return {};
            }
            const uint32_t component = ExtentOf((*column)[2], false).size;
            const uint32_t rows = (*column)[3];
            const uint32_t columns = t[3];
            const uint32_t vectors = rowMajor ? rows : columns;
            const uint32_t length = rowMajor ? columns : rows;
            return {kRegisterBytes * (vectors - 1) + component * length, true};
        }
        case OpTypeArray: {
            const Extent element = ExtentOf(t[2], rowMajor);
            const uint32_t stride = RoundUp(element.size, kRegisterBytes);
            SetArrayStride(module_, type, stride);
            const uint32_t length = ConstantValue(module_, t[3]);
            return {length == 0 ? 0 : stride * (length - 1) + element.size, true};
        }
        case OpTypeStruct:
            return LayOut(type);
        default:
            return {};
        }
    }

    SpirvModule& module_;
    const std::set<std::string>& placed_;
    std::map<uint32_t, Extent> laidOut_;
};

} // namespace

void LayOutConstantBuffers(SpirvModule& module, const std::set<std::string>& placed) {
    CbufferLayout(module, placed).Run();
}

} // namespace d3dcompiler_standin
