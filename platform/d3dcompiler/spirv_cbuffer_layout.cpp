#include "spirv_cbuffer_layout.h"

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

enum : uint32_t {
    kOpTypeBool = 20,
    kOpTypeInt = 21,
    kOpTypeFloat = 22,
    kOpTypeVector = 23,
    kOpTypeMatrix = 24,
    kOpTypeArray = 28,
    kOpTypeStruct = 30,
    kOpTypePointer = 32,
    kOpConstant = 43,
    kOpDecorate = 71,
    kOpMemberDecorate = 72,
};

constexpr uint32_t kDecorationBlock = 2;
constexpr uint32_t kDecorationRowMajor = 4;
constexpr uint32_t kDecorationArrayStride = 6;
constexpr uint32_t kDecorationOffset = 35;
constexpr uint32_t kStorageUniform = 2;
constexpr uint32_t kRegisterBytes = 16;

uint32_t RoundUp(uint32_t value, uint32_t to) {
    return (value + to - 1) / to * to;
}

// What HLSL's packing needs of a type: its size without the padding of its
// last register, and whether it starts a register of its own.
struct Extent {
    uint32_t size = 0;
    bool startsRegister = false;
};

class CbufferLayout {
public:
    explicit CbufferLayout(SpirvModule& module) : module_(module) {}

    void Run() {
        for (uint32_t block : UniformBlocks()) {
            LayOut(block);
        }
    }

private:
    std::set<uint32_t> UniformBlocks() const {
        std::set<uint32_t> blocks;
        std::set<uint32_t> uniformPointees;
        for (const SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == kOpDecorate && instruction.size() == 3 &&
                instruction[2] == kDecorationBlock) {
                blocks.insert(instruction[1]);
            } else if (OpcodeOf(instruction) == kOpTypePointer &&
                       instruction[2] == kStorageUniform) {
                uniformPointees.insert(instruction[3]);
            }
        }
        std::set<uint32_t> uniform;
        for (uint32_t block : blocks) {
            if (uniformPointees.count(block) != 0) {
                uniform.insert(block);
            }
        }
        return uniform;
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
            const bool rowMajor = HasMemberDecoration(structure, member, kDecorationRowMajor);
            const Extent placed = ExtentOf(members[member], rowMajor);
            if (placed.startsRegister || offset % kRegisterBytes + placed.size > kRegisterBytes) {
                offset = RoundUp(offset, kRegisterBytes);
            }
            SetMemberOffset(structure, member, offset);
            offset += placed.size;
        }
        extent.size = offset;
        laidOut_[structure] = extent;
        return extent;
    }

    Extent ExtentOf(uint32_t type, bool rowMajor) {
        const SpirvInstruction* definition = module_.Definition(type);
        if (definition == nullptr) {
            return {};
        }
        const SpirvInstruction& t = *definition;
        switch (OpcodeOf(t)) {
        case kOpTypeBool:
            return {4, false};
        case kOpTypeInt:
        case kOpTypeFloat:
            return {t[2] / 8, false};
        case kOpTypeVector:
            return {ExtentOf(t[2], false).size * t[3], false};
        case kOpTypeMatrix: {
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
        case kOpTypeArray: {
            const Extent element = ExtentOf(t[2], rowMajor);
            const uint32_t stride = RoundUp(element.size, kRegisterBytes);
            SetArrayStride(type, stride);
            const uint32_t length = ConstantValue(t[3]);
            return {length == 0 ? 0 : stride * (length - 1) + element.size, true};
        }
        case kOpTypeStruct:
            return LayOut(type);
        default:
            return {};
        }
    }

    uint32_t ConstantValue(uint32_t id) const {
        const SpirvInstruction* constant = module_.Definition(id);
        return constant != nullptr && OpcodeOf(*constant) == kOpConstant ? (*constant)[3] : 0;
    }

    bool HasMemberDecoration(uint32_t structure, uint32_t member, uint32_t decoration) const {
        for (const SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == kOpMemberDecorate && instruction[1] == structure &&
                instruction[2] == member && instruction[3] == decoration) {
                return true;
            }
        }
        return false;
    }

    void SetMemberOffset(uint32_t structure, uint32_t member, uint32_t offset) {
        for (SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == kOpMemberDecorate && instruction.size() == 5 &&
                instruction[1] == structure && instruction[2] == member &&
                instruction[3] == kDecorationOffset) {
                instruction[4] = offset;
            }
        }
    }

    void SetArrayStride(uint32_t array, uint32_t stride) {
        for (SpirvInstruction& instruction : module_.instructions()) {
            if (OpcodeOf(instruction) == kOpDecorate && instruction.size() == 4 &&
                instruction[1] == array && instruction[2] == kDecorationArrayStride) {
                instruction[3] = stride;
            }
        }
    }

    SpirvModule& module_;
    std::map<uint32_t, Extent> laidOut_;
};

} // namespace

void LayOutConstantBuffers(SpirvModule& module) {
    CbufferLayout(module).Run();
}

} // namespace d3dcompiler_standin
