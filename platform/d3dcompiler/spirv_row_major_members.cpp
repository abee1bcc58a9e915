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
    uint32_t array = 0;  // the member's array type, 0 when it is one matrix
    uint32_t stride = 0; // the array's
    // Indices a chain takes to reach one matrix: the member's, and the
    // element's in an array.
    size_t Lead() const { return array != 0 ? 2 : 1; }
};

uint32_t ArrayStride(SpirvModule& module, uint32_t array) {
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 4 &&
            instruction[1] == array && instruction[2] == kDecorationArrayStride) {
            return instruction[3];
        }
    }
    return 0;
}

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
    const size_t end = module.FirstFunction();
    for (size_t i = 0; i < end; ++i) {
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
        for (uint32_t index = 0; index + 3 < structure.size(); ++index) {
            Member member{structure[1], index};
            uint32_t type = structure[2 + index];
            uint32_t extent = 0; // of all the elements but the last
            const SpirvInstruction* array = module.Definition(type);
            if (array != nullptr && OpcodeOf(*array) == OpTypeArray) {
                const SpirvInstruction* length = module.Definition((*array)[3]);
                member.array = type;
                member.stride = ArrayStride(module, type);
                type = (*array)[2];
                extent = length != nullptr && OpcodeOf(*length) == OpConstant
                             ? member.stride * ((*length)[3] - 1)
                             : 0;
            }
            const SpirvInstruction* matrix = module.Definition(type);
            if (matrix == nullptr || OpcodeOf(*matrix) != OpTypeMatrix ||
                MemberDecoration(module, structure[1], index, kDecorationColMajor) == nullptr) {
                continue;
            }
            member.matrix = type;
            member.columns = (*matrix)[3];
            member.rows = module.ComponentCount((*matrix)[2]);
            const uint32_t offset = MemberOffset(module, structure[1], index);
            const uint32_t next = MemberOffset(module, structure[1], index + 1);
            if (member.rows < 4 && offset != kNoOffset && next != kNoOffset &&
                next < offset + extent + member.columns * kRegisterBytes) {
                members.push_back(member);
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
    uint32_t memberType = 0;    // the transposed type, or an array of it
    uint32_t matrixPointer = 0; // to the transposed type
    uint32_t scalarPointer = 0; // to one component
    std::vector<uint32_t> rowIndices;
};

// An array of the transposed type, of the member's length and stride.
uint32_t ArrayOfTransposed(SpirvModule& module, const Member& member) {
    const uint32_t length = module.Definition(member.array)->at(3);
    const uint32_t array =
        module.FindOrDeclare(MakeInstruction(OpTypeArray, {0, member.transposed, length}));
    HoistBefore(module, array, member.structure);
    if (ArrayStride(module, array) != 0) {
        return array;
    }
    // Beside the member's own array's stride, among the annotations.
    for (size_t i = 0; i < module.instructions().size(); ++i) {
        const SpirvInstruction& decoration = module.instructions()[i];
        if (OpcodeOf(decoration) == OpDecorate && decoration.size() == 4 &&
            decoration[1] == member.array && decoration[2] == kDecorationArrayStride) {
            module.Insert(
                i + 1, MakeInstruction(OpDecorate, {array, kDecorationArrayStride, member.stride}));
            break;
        }
    }
    return array;
}

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
    declared.memberType =
        member->array != 0 ? ArrayOfTransposed(module, *member) : member->transposed;
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
void ColumnLoad(SpirvModule& module, const Declarations& declared, size_t lead, size_t chain,
                size_t load, std::vector<uint32_t>* made) {
    const SpirvInstruction access = module.instructions()[chain];
    const SpirvInstruction original = module.instructions()[load];
    std::vector<SpirvInstruction> reads;
    SpirvInstruction vector = MakeInstruction(OpCompositeConstruct, {original[1], original[2]});
    const uint32_t scalar = module.ScalarTypeOf(original[1]);
    for (uint32_t row : declared.rowIndices) {
        const uint32_t pointer = module.NewId();
        const uint32_t value = module.NewId();
        made->push_back(pointer);
        SpirvInstruction component =
            MakeInstruction(OpAccessChain, {declared.scalarPointer, pointer});
        component.insert(component.end(), access.begin() + 3, access.begin() + 4 + lead);
        component.push_back(row);
        component.push_back(access[4 + lead]);
        component[0] = static_cast<uint32_t>(component.size() << 16) | OpAccessChain;
        reads.push_back(component);
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
    const size_t lead = member.Lead();
    const size_t words = module.instructions()[chain].size();
    const bool column = words == 5 + lead;
    if (words == 6 + lead) { // one component: row and column swap
        std::swap(module.instructions()[chain][4 + lead], module.instructions()[chain][5 + lead]);
        return;
    }
    for (auto load = loads.rbegin(); load != loads.rend(); ++load) {
        if (column) {
            ColumnLoad(module, declared, lead, chain, *load, made);
            continue;
        }
        SpirvInstruction& read = module.instructions()[*load];
        const uint32_t value = read[2];
        const uint32_t transposed = module.NewId();
        read[1] = member.transposed;
        read[2] = transposed;
        module.Insert(*load + 1, MakeInstruction(OpTranspose, {member.matrix, value, transposed}));
    }
    if (column) {
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
        const size_t words = module.instructions()[chain].size();
        if (words < 4 + member.Lead() || words > 6 + member.Lead() ||
            !OnlyLoaded(module, chain, &loads)) {
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
        declared.memberType;
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
