#include "spirv_row_major_members.h"

#include <spirv_words.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kRegisterBytes = 16;
constexpr uint32_t kNoOffset = UINT32_MAX;

struct Member {
    uint32_t structure = 0;
    uint32_t index = 0;
    uint32_t matrix = 0;     // its column-major type: `columns` vectors of `rows`
    uint32_t transposed = 0; // `rows` vectors of `columns`
    uint32_t columns = 0;
    uint32_t rows = 0;
};

SpirvInstruction* MemberDecoration(SpirvModule& module, uint32_t structure, uint32_t index,
                                   uint32_t decoration) {
    for (SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpMemberDecorate && instruction.size() >= 4 &&
            instruction[1] == structure && instruction[2] == index &&
            instruction[3] == decoration) {
            return &instruction;
        }
    }
    return nullptr;
}

uint32_t MemberOffset(SpirvModule& module, uint32_t structure, uint32_t index) {
    const SpirvInstruction* offset = MemberDecoration(module, structure, index, kDecorationOffset);
    return offset != nullptr && offset->size() == 5 ? (*offset)[4] : kNoOffset;
}

bool IsBlock(SpirvModule& module, uint32_t structure) {
    for (size_t i = 0; i < module.FirstFunction(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 3 &&
            instruction[1] == structure && instruction[2] == kDecorationBlock) {
            return true;
        }
    }
    return false;
}

// Whether the whole block is read at once (its member would change type).
bool BlockLoaded(SpirvModule& module, uint32_t structure) {
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        if (OpcodeOf(instruction) == OpLoad && instruction.size() > 1 &&
            instruction[1] == structure) {
            return true;
        }
    }
    return false;
}

// Column-major matrix members of a constant buffer's block, of fewer than
// four rows, whose last column's register holds the next member.
std::vector<Member> OverlappedMatrices(SpirvModule& module) {
    std::vector<Member> members;
    const size_t end = module.FirstFunction();
    for (size_t i = 0; i < end; ++i) {
        const SpirvInstruction structure = module.instructions()[i];
        if (OpcodeOf(structure) != OpTypeStruct || !IsBlock(module, structure[1])) {
            continue;
        }
        for (uint32_t index = 0;
             OpcodeOf(structure) == OpTypeStruct && index + 3 < structure.size(); ++index) {
            const SpirvInstruction* matrix = module.Definition(structure[2 + index]);
            if (matrix == nullptr || OpcodeOf(*matrix) != OpTypeMatrix ||
                MemberDecoration(module, structure[1], index, kDecorationColMajor) == nullptr) {
                continue;
            }
            const uint32_t rows = module.ComponentCount((*matrix)[2]);
            const uint32_t offset = MemberOffset(module, structure[1], index);
            const uint32_t next = MemberOffset(module, structure[1], index + 1);
            if (rows < 4 && offset != kNoOffset && next != kNoOffset &&
                next < offset + (*matrix)[3] * kRegisterBytes) {
                members.push_back(
                    {structure[1], index, structure[2 + index], 0, (*matrix)[3], rows});
            }
        }
    }
    return members;
}

// Access chains from a pointer to the member's structure through the member.
std::vector<size_t> ChainsThrough(SpirvModule& module, const Member& member) {
    std::vector<size_t> chains;
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const SpirvInstruction& chain = module.instructions()[i];
        const uint32_t op = OpcodeOf(chain);
        if ((op != OpAccessChain && op != OpInBoundsAccessChain) || chain.size() < 5) {
            continue;
        }
        const SpirvInstruction* pointer = module.Definition(module.TypeOf(chain[3]));
        const SpirvInstruction* index = module.Definition(chain[4]);
        if (pointer != nullptr && OpcodeOf(*pointer) == OpTypePointer &&
            (*pointer)[3] == member.structure && index != nullptr &&
            OpcodeOf(*index) == OpConstant && (*index)[3] == member.index) {
            chains.push_back(i);
        }
    }
    return chains;
}

// The loads of the pointer the chain at `chain` makes; false when anything
// else (a store, a call, another chain, a copy) takes it.
bool OnlyLoaded(SpirvModule& module, size_t chain, std::vector<size_t>* loads) {
    static const std::vector<uint32_t> kTakesPointers = {
        OpStore,          OpAccessChain, OpInBoundsAccessChain,
        OpPtrAccessChain, OpCopyObject,  OpFunctionCall,
        OpSelect,         OpPhi,         OpCopyMemory};
    const uint32_t pointer = module.instructions()[chain][2];
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        const uint32_t op = OpcodeOf(instruction);
        if (op == OpLoad && instruction.size() > 3 && instruction[3] == pointer) {
            loads->push_back(i);
        } else if (i != chain &&
                   std::find(kTakesPointers.begin(), kTakesPointers.end(), op) !=
                       kTakesPointers.end() &&
                   std::find(instruction.begin() + 1, instruction.end(), pointer) !=
                       instruction.end()) {
            return false;
        }
    }
    return true;
}

// Moves the declaration of `type`, made after the structure, to before it.
void HoistBefore(SpirvModule& module, uint32_t type, uint32_t structure) {
    const SpirvInstruction* data = module.instructions().data();
    const size_t at = static_cast<size_t>(module.Definition(type) - data);
    const size_t before = static_cast<size_t>(module.Definition(structure) - data);
    if (at > before) {
        const SpirvInstruction declaration = module.instructions()[at];
        module.Erase(at);
        module.Insert(before, declaration);
    }
}

// What the member's reads need, declared before any index is taken.
struct Declarations {
    uint32_t matrixPointer = 0; // to the transposed type
    uint32_t scalarPointer = 0; // to one component
    std::vector<uint32_t> rowIndices;
};

Declarations Declare(SpirvModule& module, Member* member) {
    const SpirvInstruction column = *module.Definition(module.Definition(member->matrix)->at(2));
    const uint32_t scalar = column[2];
    const uint32_t row =
        module.FindOrDeclare(MakeInstruction(OpTypeVector, {0, scalar, member->columns}));
    member->transposed =
        module.FindOrDeclare(MakeInstruction(OpTypeMatrix, {0, row, member->rows}));
    HoistBefore(module, row, member->structure);
    HoistBefore(module, member->transposed, member->structure);
    Declarations declared;
    declared.matrixPointer = module.FindOrDeclare(
        MakeInstruction(OpTypePointer, {0, kStorageUniform, member->transposed}));
    declared.scalarPointer =
        module.FindOrDeclare(MakeInstruction(OpTypePointer, {0, kStorageUniform, scalar}));
    const uint32_t integer = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 1}));
    for (uint32_t r = 0; r < member->rows; ++r) {
        declared.rowIndices.push_back(
            module.FindOrDeclare(MakeInstruction(OpConstant, {integer, 0, r})));
    }
    return declared;
}

// A column read whole becomes a vector of its components, each read from
// its row of the transposed matrix.
void ColumnLoad(SpirvModule& module, const Declarations& declared, size_t chain, size_t load,
                std::vector<uint32_t>* made) {
    const SpirvInstruction access = module.instructions()[chain];
    const SpirvInstruction original = module.instructions()[load];
    std::vector<SpirvInstruction> reads;
    SpirvInstruction vector = MakeInstruction(OpCompositeConstruct, {original[1], original[2]});
    const uint32_t scalar = module.ScalarTypeOf(original[1]);
    for (uint32_t row : declared.rowIndices) {
        const uint32_t pointer = module.NewId();
        const uint32_t value = module.NewId();
        made->push_back(pointer);
        reads.push_back(MakeInstruction(OpAccessChain, {declared.scalarPointer, pointer, access[3],
                                                        access[4], row, access[5]}));
        reads.push_back(MakeInstruction(OpLoad, {scalar, value, pointer}));
        vector.push_back(value);
    }
    vector[0] = static_cast<uint32_t>(vector.size() << 16) | OpCompositeConstruct;
    reads.push_back(vector);
    module.Erase(load);
    for (size_t k = 0; k < reads.size(); ++k) {
        module.Insert(load + k, reads[k]);
    }
}

// Rewrites the reads through the chain at `chain` for the transposed type;
// adds the chains it makes to `made`.
void Retarget(SpirvModule& module, const Member& member, const Declarations& declared, size_t chain,
              const std::vector<size_t>& loads, std::vector<uint32_t>* made) {
    const size_t words = module.instructions()[chain].size();
    if (words == 7) { // one component: row and column swap
        std::swap(module.instructions()[chain][5], module.instructions()[chain][6]);
        return;
    }
    for (auto load = loads.rbegin(); load != loads.rend(); ++load) {
        if (words == 6) {
            ColumnLoad(module, declared, chain, *load, made);
            continue;
        }
        SpirvInstruction& read = module.instructions()[*load];
        const uint32_t value = read[2];
        const uint32_t transposed = module.NewId();
        read[1] = member.transposed;
        read[2] = transposed;
        module.Insert(*load + 1, MakeInstruction(OpTranspose, {member.matrix, value, transposed}));
    }
    if (words == 6) {
        module.Erase(chain);
    } else {
        module.instructions()[chain][1] = declared.matrixPointer;
    }
}

void Transpose(SpirvModule& module, Member member) {
    if (BlockLoaded(module, member.structure)) {
        return;
    }
    for (size_t chain : ChainsThrough(module, member)) {
        std::vector<size_t> loads;
        if (module.instructions()[chain].size() > 7 || !OnlyLoaded(module, chain, &loads)) {
            return;
        }
    }
    const Declarations declared = Declare(module, &member);
    std::vector<uint32_t> done;
    for (bool more = true; more;) {
        more = false;
        for (size_t chain : ChainsThrough(module, member)) {
            const uint32_t id = module.instructions()[chain][2];
            if (std::find(done.begin(), done.end(), id) != done.end()) {
                continue;
            }
            std::vector<size_t> loads;
            OnlyLoaded(module, chain, &loads);
            done.push_back(id);
            Retarget(module, member, declared, chain, loads, &done);
            more = true;
            break;
        }
    }
    const SpirvInstruction* structure = module.Definition(member.structure);
    module.instructions()[structure - module.instructions().data()][2 + member.index] =
        member.transposed;
    (*MemberDecoration(module, member.structure, member.index, kDecorationColMajor))[3] =
        kDecorationRowMajor;
}

} // namespace

void TransposeOverlappedMatrices(SpirvModule& module) {
    for (const Member& member : OverlappedMatrices(module)) {
        Transpose(module, member);
    }
}

} // namespace d3dcompiler_standin
