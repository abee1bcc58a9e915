#include "spirv_matrix_intrinsics.h"

#include "spirv_module.h"

#include <spirv_words.h>

#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr size_t kHeaderWords = 5;
constexpr size_t kExtType = 1;
constexpr size_t kExtResult = 2;
constexpr size_t kExtSet = 3;
constexpr size_t kExtFirstOperand = 5;

// Whether an extended instruction gives a matrix, read over the raw words so
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
        } else if (op == OpExtInst && count > kExtType && matrices.count(words[at + kExtType])) {
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

// Splits the instruction at `i`; returns how many instructions it added.
size_t SplitAt(SpirvModule& module, size_t i) {
    const SpirvInstruction instruction = module.instructions()[i];
    const SpirvInstruction* matrix = module.Definition(instruction[kExtType]);
    const uint32_t columnType = (*matrix)[2];
    std::vector<SpirvInstruction> inserted;
    SpirvInstruction built =
        MakeInstruction(OpCompositeConstruct, {instruction[kExtType], instruction[kExtResult]});
    for (uint32_t column = 0; column < (*matrix)[3]; ++column) {
        const uint32_t id = module.NewId();
        SpirvInstruction call = MakeInstruction(
            OpExtInst, {columnType, id, instruction[kExtSet], instruction[kExtSet + 1]});
        for (size_t k = kExtFirstOperand; k < instruction.size(); ++k) {
            call.push_back(ColumnOperand(module, instruction[k], column, columnType, &inserted));
        }
        call[0] = static_cast<uint32_t>(call.size() << 16) | OpExtInst;
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
        const SpirvInstruction* type =
            OpcodeOf(instruction) == OpExtInst ? module.Definition(instruction[kExtType]) : nullptr;
        if (type != nullptr && OpcodeOf(*type) == OpTypeMatrix &&
            instruction.size() >= kExtFirstOperand) {
            i += SplitAt(module, i);
        }
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
