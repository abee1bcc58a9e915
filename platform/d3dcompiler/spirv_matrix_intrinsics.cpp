#include "spirv_matrix_intrinsics.h"

#include "spirv_module.h"

#include <spirv_words.h>

#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr size_t kHeaderWords = 5;
constexpr size_t kResultType = 1;
constexpr size_t kResult = 2;
constexpr size_t kExtFirstOperand = 5;
constexpr size_t kDerivativeOperand = 3;
constexpr uint32_t kOpDPdx = 207;
constexpr uint32_t kOpFwidthCoarse = 215;

// Where the value operands of an instruction SPIR-V allows on scalars and
// vectors only start (an extended instruction's, a derivative's), 0 for
// other instructions.
size_t FirstValueOperand(uint32_t op) {
    if (op == OpExtInst) {
        return kExtFirstOperand;
    }
    return op >= kOpDPdx && op <= kOpFwidthCoarse ? kDerivativeOperand : 0;
}

// Whether such an instruction gives a matrix, read over the raw words so
// that modules without one cost a single pass.
bool HasMatrixExtInst(const std::vector<uint32_t>& words) {
    std::set<uint32_t> matrices;
    for (size_t at = kHeaderWords; at < words.size();) {
        const uint32_t count = words[at] >> 16;
        const uint32_t op = words[at] & 0xFFFF;
        if (count == 0 || at + count > words.size()) {
            return false;
        }
        if (op == OpTypeMatrix && count > 1) {
            matrices.insert(words[at + 1]);
        } else if (FirstValueOperand(op) > 0 && count > kResultType &&
                   matrices.count(words[at + kResultType])) {
            return true;
        }
        at += count;
    }
    return false;
}

// The operand `value` for column `column` of a result of `columnType`: a
// matrix's column, a scalar spread over the column's components, or itself.
uint32_t ColumnOperand(SpirvModule& module, uint32_t value, uint32_t column, uint32_t columnType,
                       std::vector<SpirvInstruction>* inserted) {
    const uint32_t type = module.TypeOf(value);
    const SpirvInstruction* definition = module.Definition(type);
    if (definition == nullptr) {
        return value;
    }
    const uint32_t id = module.NewId();
    if (OpcodeOf(*definition) == OpTypeMatrix) {
        inserted->push_back(
            MakeInstruction(OpCompositeExtract, {(*definition)[2], id, value, column}));
    } else if (OpcodeOf(*definition) != OpTypeVector && module.ComponentCount(columnType) > 1) {
        SpirvInstruction spread = MakeInstruction(OpCompositeConstruct, {columnType, id});
        spread.insert(spread.end(), module.ComponentCount(columnType), value);
        spread[0] = static_cast<uint32_t>(spread.size() << 16) | OpCompositeConstruct;
        inserted->push_back(spread);
    } else {
        return value;
    }
    return id;
}

// Whether every value operand is a matrix, a vector or a number (no
// pointer, which a column cannot be taken of here).
bool Splittable(const SpirvModule& module, const SpirvInstruction& instruction, size_t first) {
    for (size_t k = first; k < instruction.size(); ++k) {
        const SpirvInstruction* type = module.Definition(module.TypeOf(instruction[k]));
        const uint32_t op = type != nullptr ? OpcodeOf(*type) : 0;
        if (op != OpTypeMatrix && op != OpTypeVector && op != OpTypeFloat && op != OpTypeInt &&
            op != OpTypeBool) {
            return false;
        }
    }
    return first < instruction.size();
}

// Splits the instruction at `i`; returns how many instructions it added.
size_t SplitAt(SpirvModule& module, size_t i, size_t first) {
    const SpirvInstruction instruction = module.instructions()[i];
    const SpirvInstruction* matrix = module.Definition(instruction[kResultType]);
    const uint32_t columnType = (*matrix)[2];
    std::vector<SpirvInstruction> inserted;
    SpirvInstruction built =
        MakeInstruction(OpCompositeConstruct, {instruction[kResultType], instruction[kResult]});
    for (uint32_t column = 0; column < (*matrix)[3]; ++column) {
        const uint32_t id = module.NewId();
        SpirvInstruction call = MakeInstruction(OpcodeOf(instruction), {columnType, id});
        call.insert(call.end(), instruction.begin() + kResult + 1, instruction.begin() + first);
        for (size_t k = first; k < instruction.size(); ++k) {
            call.push_back(ColumnOperand(module, instruction[k], column, columnType, &inserted));
        }
        call[0] = static_cast<uint32_t>(call.size() << 16) | OpcodeOf(instruction);
        inserted.push_back(call);
        built.push_back(id);
    }
    built[0] = static_cast<uint32_t>(built.size() << 16) | OpCompositeConstruct;
    module.instructions()[i] = built;
    for (size_t k = 0; k < inserted.size(); ++k) {
        module.Insert(i + k, inserted[k]);
    }
    return inserted.size();
}

} // namespace

void SplitMatrixIntrinsics(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (!HasMatrixExtInst(*spirv) || !module.Read(*spirv)) {
        return;
    }
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        const size_t first = FirstValueOperand(OpcodeOf(instruction));
        const SpirvInstruction* type =
            first > 0 ? module.Definition(instruction[kResultType]) : nullptr;
        if (type != nullptr && OpcodeOf(*type) == OpTypeMatrix &&
            Splittable(module, instruction, first)) {
            i += SplitAt(module, i, first);
        }
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
