#include "spirv_module.h"

#include <spirv_words.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr size_t kBoundWord = 3;

// Types are declared first in their section; everything before them (names,
// decorations, entry points) carries no result type.
bool IsTypeDeclaration(uint32_t op) {
    return op >= 19 && op <= 39;
}

// Instructions after the first type that have no result type and id.
bool HasNoTypedResult(uint32_t op) {
    static const std::initializer_list<uint32_t> kNone = {
        8,   56,  62,  63,  64,  99,  218, 219, 220, 221,  224,  225,  228, 246, 247,
        248, 249, 250, 251, 252, 253, 254, 255, 317, 4416, 5380, 5632, 71,  72};
    return IsTypeDeclaration(op) || std::find(kNone.begin(), kNone.end(), op) != kNone.end();
}

} // namespace

bool SpirvModule::Read(const std::vector<uint32_t>& words) {
    if (words.size() < kHeaderWords) {
        return false;
    }
    header_.assign(words.begin(), words.begin() + kHeaderWords);
    bound_ = header_[kBoundWord];
    instructions_.clear();
    for (size_t at = kHeaderWords; at < words.size();) {
        const uint32_t count = words[at] >> 16;
        if (count == 0 || at + count > words.size()) {
            return false;
        }
        instructions_.emplace_back(words.begin() + at, words.begin() + at + count);
        at += count;
    }
    Index();
    return true;
}

std::vector<uint32_t> SpirvModule::Write() const {
    std::vector<uint32_t> words = header_;
    words[kBoundWord] = bound_;
    for (const SpirvInstruction& instruction : instructions_) {
        words.insert(words.end(), instruction.begin(), instruction.end());
    }
    return words;
}

void SpirvModule::Index() {
    definitions_.clear();
    bool typesStarted = false;
    for (size_t i = 0; i < instructions_.size(); ++i) {
        const SpirvInstruction& instruction = instructions_[i];
        const uint32_t op = OpcodeOf(instruction);
        typesStarted = typesStarted || IsTypeDeclaration(op);
        if (IsTypeDeclaration(op) && instruction.size() > 1) {
            definitions_[instruction[1]] = i;
        } else if (typesStarted && !HasNoTypedResult(op) && instruction.size() > 2) {
            definitions_[instruction[2]] = i;
        }
    }
}

const SpirvInstruction* SpirvModule::Definition(uint32_t id) const {
    auto found = definitions_.find(id);
    return found != definitions_.end() ? &instructions_[found->second] : nullptr;
}

uint32_t SpirvModule::TypeOf(uint32_t id) const {
    const SpirvInstruction* definition = Definition(id);
    if (definition == nullptr || IsTypeDeclaration(OpcodeOf(*definition))) {
        return 0;
    }
    return (*definition)[1];
}

size_t SpirvModule::FirstFunction() const {
    for (size_t i = 0; i < instructions_.size(); ++i) {
        if (OpcodeOf(instructions_[i]) == OpFunction) {
            return i;
        }
    }
    return instructions_.size();
}

void SpirvModule::Declare(SpirvInstruction instruction) {
    Insert(FirstFunction(), std::move(instruction));
}

void SpirvModule::Insert(size_t at, SpirvInstruction instruction) {
    instructions_.insert(instructions_.begin() + static_cast<std::ptrdiff_t>(at),
                         std::move(instruction));
    Index();
}

void SpirvModule::Erase(size_t at) {
    instructions_.erase(instructions_.begin() + static_cast<std::ptrdiff_t>(at));
    Index();
}

void SpirvModule::ReplaceFrom(size_t at, std::vector<SpirvInstruction> tail) {
    instructions_.resize(at);
    instructions_.insert(instructions_.end(), std::make_move_iterator(tail.begin()),
                         std::make_move_iterator(tail.end()));
    Index();
}

// A declaration equal to `wanted` apart from its result id, or a new one.
uint32_t SpirvModule::FindOrDeclare(const SpirvInstruction& wanted) {
    const size_t resultWord = IsTypeDeclaration(OpcodeOf(wanted)) ? 1 : 2;
    const size_t end = FirstFunction();
    for (size_t i = 0; i < end; ++i) {
        SpirvInstruction candidate = instructions_[i];
        if (candidate.size() == wanted.size() && candidate[0] == wanted[0]) {
            const uint32_t id = candidate[resultWord];
            candidate[resultWord] = wanted[resultWord];
            if (candidate == wanted) {
                return id;
            }
        }
    }
    SpirvInstruction declared = wanted;
    declared[resultWord] = NewId();
    Declare(declared);
    return declared[resultWord];
}

uint32_t SpirvModule::ComponentCount(uint32_t type) const {
    const SpirvInstruction* definition = Definition(type);
    return definition != nullptr && OpcodeOf(*definition) == OpTypeVector ? (*definition)[3] : 1;
}

uint32_t SpirvModule::ScalarTypeOf(uint32_t type) const {
    const SpirvInstruction* definition = Definition(type);
    return definition != nullptr && OpcodeOf(*definition) == OpTypeVector ? (*definition)[2] : type;
}

bool SpirvModule::IsFloat32(uint32_t type) const {
    const SpirvInstruction* scalar = Definition(ScalarTypeOf(type));
    return scalar != nullptr && OpcodeOf(*scalar) == OpTypeFloat && (*scalar)[2] == 32;
}

uint32_t SpirvModule::Splat(uint32_t type, uint32_t bits) {
    const uint32_t scalar =
        FindOrDeclare(MakeInstruction(OpConstant, {ScalarTypeOf(type), 0, bits}));
    const uint32_t count = ComponentCount(type);
    if (count == 1) {
        return scalar;
    }
    SpirvInstruction composite = MakeInstruction(OpConstantComposite, {type, 0});
    composite.insert(composite.end(), count, scalar);
    composite[0] = static_cast<uint32_t>(composite.size() << 16) | OpConstantComposite;
    return FindOrDeclare(composite);
}

uint32_t SpirvModule::BoolTypeLike(uint32_t type) {
    const uint32_t scalar = FindOrDeclare(MakeInstruction(OpTypeBool, {0}));
    const uint32_t count = ComponentCount(type);
    return count == 1 ? scalar : FindOrDeclare(MakeInstruction(OpTypeVector, {0, scalar, count}));
}

uint32_t SpirvModule::Glsl450() const {
    for (const SpirvInstruction& instruction : instructions_) {
        if (OpcodeOf(instruction) == OpExtInstImport && instruction.size() > 2) {
            const char* name = reinterpret_cast<const char*>(&instruction[2]);
            const size_t bytes = (instruction.size() - 2) * 4;
            if (strnlen(name, bytes) == 12 && std::memcmp(name, "GLSL.std.450", 12) == 0) {
                return instruction[1];
            }
        }
    }
    return 0;
}

size_t AnnotationPlace(const SpirvModule& module) {
    const auto& instructions = module.instructions();
    const size_t end = module.FirstFunction();
    for (size_t i = 0; i < end; ++i) {
        const uint32_t op = OpcodeOf(instructions[i]);
        if (op == OpDecorate || op == OpMemberDecorate ||
            (op >= OpTypeVoid && op <= OpTypeStruct)) {
            return i;
        }
    }
    return end;
}

uint32_t ConstantValue(const SpirvModule& module, uint32_t id) {
    const SpirvInstruction* constant = module.Definition(id);
    return constant != nullptr && OpcodeOf(*constant) == dxbc::spirv::OpConstant ? (*constant)[3]
                                                                                 : 0;
}

bool HasMemberDecoration(const SpirvModule& module, uint32_t structure, uint32_t member,
                         uint32_t decoration) {
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == dxbc::spirv::OpMemberDecorate && instruction[1] == structure &&
            instruction[2] == member && instruction[3] == decoration) {
            return true;
        }
    }
    return false;
}

void SetMemberDecoration(SpirvModule& module, uint32_t structure, uint32_t member,
                         uint32_t decoration, uint32_t value) {
    using namespace dxbc::spirv;
    for (SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpMemberDecorate && instruction.size() == 5 &&
            instruction[1] == structure && instruction[2] == member &&
            instruction[3] == decoration) {
            instruction[4] = value;
        }
    }
}

void SetArrayStride(SpirvModule& module, uint32_t array, uint32_t stride) {
    using namespace dxbc::spirv;
    for (SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 4 &&
            instruction[1] == array && instruction[2] == kDecorationArrayStride) {
            instruction[3] = stride;
        }
    }
}

} // namespace d3dcompiler_standin
