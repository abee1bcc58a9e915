// A SPIR-V module as a list of instructions that can be edited: new ids,
// types and constants found or added, instructions inserted beside others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

namespace d3dcompiler_standin {

using SpirvInstruction = std::vector<uint32_t>; // word 0 is count << 16 | opcode

inline uint32_t OpcodeOf(const SpirvInstruction& instruction) {
    return instruction[0] & 0xFFFF;
}

inline SpirvInstruction MakeInstruction(uint32_t op, std::initializer_list<uint32_t> operands) {
    SpirvInstruction instruction{static_cast<uint32_t>((operands.size() + 1) << 16) | op};
    instruction.insert(instruction.end(), operands);
    return instruction;
}

class SpirvModule {
public:
    // False for words that are no well-formed module.
    bool Read(const std::vector<uint32_t>& words);
    std::vector<uint32_t> Write() const;

    std::vector<SpirvInstruction>& instructions() { return instructions_; }
    const std::vector<SpirvInstruction>& instructions() const { return instructions_; }

    uint32_t NewId() { return bound_++; }
    // The result type of value `id`, 0 when it has none or is unknown.
    uint32_t TypeOf(uint32_t id) const;
    // The instruction defining `id`, or null.
    const SpirvInstruction* Definition(uint32_t id) const;

    // Components of a vector type, 1 for a scalar; its scalar type.
    uint32_t ComponentCount(uint32_t type) const;
    uint32_t ScalarTypeOf(uint32_t type) const;
    // Whether `type` is a 32-bit float or a vector of them.
    bool IsFloat32(uint32_t type) const;
    // A constant of `type` (scalar or vector) with every component `bits`.
    uint32_t Splat(uint32_t type, uint32_t bits);
    // The bool type (scalar or vector) with as many components as `type`.
    uint32_t BoolTypeLike(uint32_t type);
    // The id of the GLSL.std.450 instruction set, 0 when not imported.
    uint32_t Glsl450() const;

    // Index of the first instruction of the first function.
    size_t FirstFunction() const;
    // Adds a declaration (type or constant) at the end of the declarations.
    void Declare(SpirvInstruction instruction);
    void Insert(size_t at, SpirvInstruction instruction);
    void Erase(size_t at);
    // Replaces every instruction from `at` on with `tail`.
    void ReplaceFrom(size_t at, std::vector<SpirvInstruction> tail);
    // The id of a declaration equal to `wanted` but for its result id (which
    // it ignores), declared if there is none.
    uint32_t FindOrDeclare(const SpirvInstruction& wanted);

private:
    void Index();

    std::vector<uint32_t> header_;
    std::vector<SpirvInstruction> instructions_;
    uint32_t bound_ = 0;
    std::map<uint32_t, size_t> definitions_; // id -> instruction index
};

// Where decorations go: before the first decoration or, without one, the
// first type.
size_t AnnotationPlace(const SpirvModule& module);
// The value of 32-bit constant `id`, 0 when `id` is no OpConstant.
uint32_t ConstantValue(const SpirvModule& module, uint32_t id);
// Whether `structure`'s member `member` carries `decoration`.
bool HasMemberDecoration(const SpirvModule& module, uint32_t structure, uint32_t member,
                         uint32_t decoration);
// Sets the value of every `decoration` of `structure`'s member `member`
// (an OpMemberDecorate with one operand, such as Offset or MatrixStride).
void SetMemberDecoration(SpirvModule& module, uint32_t structure, uint32_t member,
                         uint32_t decoration, uint32_t value);
// Sets the ArrayStride decoration of array type `array`.
void SetArrayStride(SpirvModule& module, uint32_t array, uint32_t stride);

} // namespace d3dcompiler_standin
