#include "spirv_value_repairs.h"

#include "spirv_cbuffer_layout.h"
#include "spirv_denormal_flush.h"
#include "spirv_structured_layout.h"
#include "spirv_intrinsic_repairs.h"
#include "spirv_row_major_members.h"
#include "spirv_module.h"

#include <spirv_words.h>

#include <algorithm>
#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kBuiltInFragCoord = 15;
constexpr uint32_t kOpFNegate = 127;
constexpr uint32_t kGlslNClamp = 81;
constexpr uint32_t kGlslFma = 50;
constexpr uint32_t kDecorationNoContraction = 42;

// Float bit patterns: the ends of the ranges float-to-integer conversions
// saturate to, as the nearest floats inside them.
constexpr uint32_t kFloatBelowTwoTo32 = 0x4F7FFFFF;
constexpr uint32_t kFloatMinusTwoTo31 = 0xCF000000;
constexpr uint32_t kFloatBelowTwoTo31 = 0x4EFFFFFF;

// Calls repair(i) for each instruction with opcode in `ops`; repair may
// insert before or after it and returns how many it inserted before.
template <typename Repair>
void ForEachOp(SpirvModule& module, std::initializer_list<uint32_t> ops, Repair&& repair) {
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const uint32_t op = OpcodeOf(module.instructions()[i]);
        if (std::find(ops.begin(), ops.end(), op) != ops.end()) {
            i += repair(i);
        }
    }
}

// HLSL's % and fmod truncate (the result takes the dividend's sign), as
// OpFRem and OpSRem do; OpFMod and OpSMod take the divisor's sign.
void TruncatingRemainders(SpirvModule& module) {
    for (SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpFMod) {
            instruction[0] = (instruction[0] & 0xFFFF0000) | OpFRem;
        } else if (OpcodeOf(instruction) == OpSMod) {
            instruction[0] = (instruction[0] & 0xFFFF0000) | OpSRem;
        }
    }
}

bool IsFloat64(const SpirvModule& module, uint32_t type) {
    const SpirvInstruction* scalar = module.Definition(module.ScalarTypeOf(type));
    return scalar != nullptr && OpcodeOf(*scalar) == OpTypeFloat && (*scalar)[2] == 64;
}

// Marks the results `ids` NoContraction; a decoration given twice is invalid
// SPIR-V, and `precise` ones are there already.
void MarkNoContraction(SpirvModule& module, const std::vector<uint32_t>& ids) {
    if (ids.empty()) {
        return;
    }
    std::set<uint32_t> decorated;
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 3 &&
            instruction[2] == kDecorationNoContraction) {
            decorated.insert(instruction[1]);
        }
    }
    const size_t place = AnnotationPlace(module);
    for (uint32_t id : ids) {
        if (decorated.insert(id).second) {
            module.Insert(place, MakeInstruction(OpDecorate, {id, kDecorationNoContraction}));
        }
    }
}

// Windows rounds each double product and sum on its own (fxc fuses no
// double multiply-add of its own accord); glslang's optimiser fuses a * b + c
// into Fma and the driver may fuse the rest, with another rounding (lavapipe
// gave 1 + 2^-55 for ten sums of 0.1L * 1.0). Each double Fma is a multiply
// and an add again, and every double multiply, add and subtract is marked
// NoContraction.
void UnfusedDoubleProducts(SpirvModule& module) {
    const auto& declarations = module.instructions();
    if (std::none_of(declarations.begin(), declarations.begin() + module.FirstFunction(),
                     [&](const SpirvInstruction& type) {
                         return OpcodeOf(type) == OpTypeFloat && type.size() == 3 && type[2] == 64;
                     })) {
        return;
    }
    const uint32_t glsl = module.Glsl450();
    std::vector<uint32_t> exact;
    ForEachOp(module, {OpExtInst, OpFMul, OpFAdd, OpFSub}, [&](size_t i) -> size_t {
        const SpirvInstruction instruction = module.instructions()[i];
        const bool otherExtInst =
            OpcodeOf(instruction) == OpExtInst &&
            (instruction.size() != 8 || instruction[3] != glsl || instruction[4] != kGlslFma);
        if (otherExtInst || !IsFloat64(module, instruction[1])) {
            return 0;
        }
        exact.push_back(instruction[2]);
        if (OpcodeOf(instruction) != OpExtInst) {
            return 0;
        }
        const uint32_t product = module.NewId();
        exact.push_back(product);
        module.instructions()[i] =
            MakeInstruction(OpFAdd, {instruction[1], instruction[2], product, instruction[7]});
        module.Insert(
            i, MakeInstruction(OpFMul, {instruction[1], product, instruction[5], instruction[6]}));
        return 1;
    });
    MarkNoContraction(module, exact);
}

// Direct3D divides by zero as IEEE does (+-INF, NaN for 0 / 0), and h - h is
// NaN where h is INF. A driver may treat other arithmetic as inexact and fold
// a divisor such as h - h to zero, then the division with it: lavapipe gave 0
// or a different finite value on each run. So each division is exact, with
// the arithmetic its divisor is made of.
void ExactDivisions(SpirvModule& module) {
    std::vector<uint32_t> exact;
    std::vector<uint32_t> pending;
    ForEachOp(module, {OpFDiv}, [&](size_t i) -> size_t {
        exact.push_back(module.instructions()[i][2]);
        pending.push_back(module.instructions()[i][4]);
        return 0;
    });
    std::set<uint32_t> seen;
    while (!pending.empty()) {
        const uint32_t id = pending.back();
        pending.pop_back();
        const SpirvInstruction* definition = module.Definition(id);
        if (!seen.insert(id).second || definition == nullptr) {
            continue;
        }
        const uint32_t op = OpcodeOf(*definition);
        if (op == OpFAdd || op == OpFSub || op == OpFMul || op == OpFDiv || op == kOpFNegate) {
            exact.push_back(id);
            pending.insert(pending.end(), definition->begin() + 3, definition->end());
        }
    }
    MarkNoContraction(module, exact);
}

// Compiled IEEE-strict, every float sum, difference, product and quotient
// is exact, so that no driver simplifies it as if its operands were finite
// (lavapipe gave 0 for INF - INF and for INF * 0.0, and -0 for -0 + 0.0).
void StrictFloatArithmetic(SpirvModule& module) {
    std::vector<uint32_t> exact;
    ForEachOp(module, {OpFAdd, OpFSub, OpFMul, OpFDiv, OpFRem, OpFMod, kOpFNegate},
              [&](size_t i) -> size_t {
                  exact.push_back(module.instructions()[i][2]);
                  return 0;
              });
    MarkNoContraction(module, exact);
}

// Direct3D shifts by the count's low five bits; SPIR-V leaves counts of 32
// and more undefined.
void MaskedShiftCounts(SpirvModule& module) {
    ForEachOp(module, {OpShiftLeftLogical, OpShiftRightLogical, OpShiftRightArithmetic},
              [&](size_t i) -> size_t {
                  const uint32_t type = module.instructions()[i][1];
                  const size_t before = module.instructions().size();
                  const uint32_t mask = module.Splat(type, 31);
                  i += module.instructions().size() - before;
                  const uint32_t masked = module.NewId();
                  const uint32_t count = module.instructions()[i][4];
                  module.instructions()[i][4] = masked;
                  module.Insert(i, MakeInstruction(OpBitwiseAnd, {type, masked, count, mask}));
                  return module.instructions().size() - before;
              });
}

// The conversion at `i` reads its float clamped to the integer type's range
// (NClamp gives the lower bound for NaN, which is 0 for unsigned results)
// and, for signed results, NaN read as 0.
size_t SaturateConversion(SpirvModule& module, uint32_t glsl, size_t i) {
    const uint32_t value = module.instructions()[i][3];
    const uint32_t type = module.TypeOf(value);
    if (type == 0 || !module.IsFloat32(type)) {
        return 0;
    }
    const bool toUnsigned = OpcodeOf(module.instructions()[i]) == OpConvertFToU;
    const size_t before = module.instructions().size();
    const uint32_t low = module.Splat(type, toUnsigned ? kFloatZero : kFloatMinusTwoTo31);
    const uint32_t high = module.Splat(type, toUnsigned ? kFloatBelowTwoTo32 : kFloatBelowTwoTo31);
    const uint32_t zero = toUnsigned ? 0 : module.Splat(type, kFloatZero);
    const uint32_t boolType = toUnsigned ? 0 : module.BoolTypeLike(type);
    i += module.instructions().size() - before;
    const uint32_t clamped = module.NewId();
    std::vector<SpirvInstruction> inserted = {
        MakeInstruction(OpExtInst, {type, clamped, glsl, kGlslNClamp, value, low, high})};
    uint32_t converted = clamped;
    if (!toUnsigned) {
        const uint32_t isNan = module.NewId();
        converted = module.NewId();
        inserted.push_back(MakeInstruction(OpIsNan, {boolType, isNan, value}));
        inserted.push_back(MakeInstruction(OpSelect, {type, converted, isNan, zero, clamped}));
    }
    module.instructions()[i][3] = converted;
    for (size_t k = 0; k < inserted.size(); ++k) {
        module.Insert(i + k, inserted[k]);
    }
    return module.instructions().size() - before;
}

// Direct3D's float-to-integer conversions saturate, and NaN becomes 0;
// SPIR-V leaves values out of range undefined.
void SaturatingConversions(SpirvModule& module) {
    const uint32_t glsl = module.Glsl450();
    if (glsl == 0) {
        return;
    }
    ForEachOp(module, {OpConvertFToU, OpConvertFToS},
              [&](size_t i) -> size_t { return SaturateConversion(module, glsl, i); });
}

// Static variables start at zero in HLSL, and Windows' compiler reads a
// variable never written as zero; SPIR-V's Private variables start
// undefined, and glslang's legalisation turns reads of them into OpUndef.
void ZeroForUndefined(SpirvModule& module) {
    size_t end = module.FirstFunction();
    for (size_t i = 0; i < end; ++i) {
        SpirvInstruction variable = module.instructions()[i];
        if (OpcodeOf(variable) != OpVariable || variable.size() != 4 ||
            variable[3] != kStoragePrivate) {
            continue;
        }
        const SpirvInstruction* pointer = module.Definition(variable[1]);
        if (pointer == nullptr || OpcodeOf(*pointer) != OpTypePointer) {
            continue;
        }
        const uint32_t null = module.NewId();
        variable.push_back(null);
        variable[0] = static_cast<uint32_t>(variable.size() << 16) | OpVariable;
        module.instructions()[i] = variable;
        module.Insert(i, MakeInstruction(OpConstantNull, {(*pointer)[3], null}));
        ++i;
        ++end;
    }
    // OpUndef and OpConstantNull have the same operands; the null constant
    // belongs with the declarations.
    for (size_t i = 0; i < module.instructions().size(); ++i) {
        if (OpcodeOf(module.instructions()[i]) != OpUndef) {
            continue;
        }
        SpirvInstruction null = module.instructions()[i];
        null[0] = (null[0] & 0xFFFF0000) | OpConstantNull;
        if (i < module.FirstFunction()) {
            module.instructions()[i] = null;
            continue;
        }
        module.instructions().erase(module.instructions().begin() + static_cast<std::ptrdiff_t>(i));
        module.Declare(null);
    }
}

uint32_t FragCoordVariable(SpirvModule& module) {
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() == 4 &&
            instruction[2] == kDecorationBuiltIn && instruction[3] == kBuiltInFragCoord) {
            return instruction[1];
        }
    }
    return 0;
}

// Access chains to FragCoord.w alone (its one index the constant 3).
std::set<uint32_t> PointersToW(SpirvModule& module, uint32_t fragCoord) {
    std::set<uint32_t> pointers;
    for (const SpirvInstruction& chain : module.instructions()) {
        const uint32_t op = OpcodeOf(chain);
        if ((op != OpAccessChain && op != OpInBoundsAccessChain) || chain.size() != 5 ||
            chain[3] != fragCoord) {
            continue;
        }
        const SpirvInstruction* index = module.Definition(chain[4]);
        if (index != nullptr && OpcodeOf(*index) == OpConstant && index->size() == 4 &&
            (*index)[3] == 3) {
            pointers.insert(chain[2]);
        }
    }
    return pointers;
}

// A load of FragCoord.w through an access chain becomes its reciprocal.
size_t ReciprocalOfLoadedW(SpirvModule& module, size_t i) {
    const SpirvInstruction load = module.instructions()[i];
    const size_t before = module.instructions().size();
    const uint32_t one = module.Splat(load[1], kFloatOne);
    i += module.instructions().size() - before;
    const uint32_t raw = module.NewId();
    module.instructions()[i][2] = raw;
    module.Insert(i + 1, MakeInstruction(OpFDiv, {load[1], load[2], one, raw}));
    return module.instructions().size() - before - 1;
}

// A pixel shader's SV_Position.w is the vertex's w, interpolated; Vulkan's
// FragCoord.w is its reciprocal. The front end loads the whole vector or,
// for some expressions, w alone through an access chain.
void PositionW(SpirvModule& module) {
    const uint32_t fragCoord = FragCoordVariable(module);
    if (fragCoord == 0) {
        return;
    }
    const std::set<uint32_t> pointersToW = PointersToW(module, fragCoord);
    ForEachOp(module, {OpLoad}, [&](size_t i) -> size_t {
        const SpirvInstruction load = module.instructions()[i];
        if (!module.IsFloat32(load[1])) {
            return 0;
        }
        if (pointersToW.count(load[3]) != 0 && module.ComponentCount(load[1]) == 1) {
            return ReciprocalOfLoadedW(module, i);
        }
        if (load[3] != fragCoord) {
            return 0;
        }
        const size_t before = module.instructions().size();
        const uint32_t scalar = module.ScalarTypeOf(load[1]);
        const uint32_t one = module.Splat(scalar, kFloatOne);
        i += module.instructions().size() - before;
        const uint32_t raw = module.NewId();
        const uint32_t w = module.NewId();
        const uint32_t reciprocal = module.NewId();
        module.instructions()[i][2] = raw;
        module.Insert(i + 1, MakeInstruction(OpCompositeExtract, {scalar, w, raw, 3}));
        module.Insert(i + 2, MakeInstruction(OpFDiv, {scalar, reciprocal, one, w}));
        module.Insert(i + 3,
                      MakeInstruction(OpCompositeInsert, {load[1], load[2], reciprocal, raw, 3}));
        return module.instructions().size() - before - 3;
    });
}

} // namespace

void RepairValues(std::vector<uint32_t>* spirv, const ValueRepairs& repairs) {
    SpirvModule module;
    if (!module.Read(*spirv)) {
        return;
    }
    TruncatingRemainders(module);
    UnfusedDoubleProducts(module);
    ExactDivisions(module);
    if (repairs.ieeeStrict) {
        StrictFloatArithmetic(module);
    }
    MaskedShiftCounts(module);
    SaturatingConversions(module);
    ZeroForUndefined(module);
    RepairIntrinsics(module);
    FlushDenormalsInCompute(module);
    if (repairs.hlslPacking) {
        LayOutConstantBuffers(module, repairs.placedConstants);
        TransposeOverlappedMatrices(module);
    }
    LayOutStructuredBuffers(module);
    if (repairs.pixelShader) {
        PositionW(module);
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
