#include "spirv_intrinsic_repairs.h"

#include "asuint_double_markers.h"

#include <spirv_words.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kGlslFSign = 6;
constexpr uint32_t kGlslPow = 26;
constexpr uint32_t kGlslStep = 48;
constexpr uint32_t kGlslSmoothStep = 49;
constexpr uint32_t kGlslFindSMsb = 74;
constexpr uint32_t kGlslFindUMsb = 75;
constexpr uint32_t kGlslNMin = 79;
constexpr uint32_t kGlslNMax = 80;
constexpr uint32_t kGlslFaceForward = 70;

constexpr uint32_t kOpFNegate = 127;
constexpr uint32_t kOpVectorTimesScalar = 142;
constexpr uint32_t kOpDot = 148;
constexpr uint32_t kOpFConvert = 115;
constexpr uint32_t kOpBitcast = 124;

constexpr uint32_t kFloatInfinity = 0x7F800000;
constexpr uint32_t kFloatNan = 0x7FC00000;
constexpr uint32_t kFloatTwo = 0x40000000;
constexpr uint32_t kFloatThree = 0x40400000;

// Words of an OpExtInst: result type, result id, set, instruction, operands.
constexpr size_t kExtType = 1;
constexpr size_t kExtResult = 2;
constexpr size_t kExtSet = 3;
constexpr size_t kExtInstruction = 4;
constexpr size_t kExtFirstOperand = 5;

// The instruction at `i` gets a new result id, which it returns; what is
// inserted after it computes the old one from it.
uint32_t Rename(SpirvModule& module, size_t i) {
    const uint32_t renamed = module.NewId();
    module.instructions()[i][kExtResult] = renamed;
    return renamed;
}

void InsertAfter(SpirvModule& module, size_t i, const std::vector<SpirvInstruction>& after) {
    for (size_t k = 0; k < after.size(); ++k) {
        module.Insert(i + 1 + k, after[k]);
    }
}

// pow(x, y) as Microsoft's table for pow gives it: NaN for x < 0 and INF
// for x == 0 and y < 0, which GLSL's Pow leaves undefined (lavapipe gives 0).
// Selects rather than exp2(y * log2(x)), which lavapipe's compiler turns
// back into its pow.
size_t PowerByTable(SpirvModule& module, size_t i) {
    const SpirvInstruction pow = module.instructions()[i];
    const uint32_t type = pow[kExtType];
    const size_t before = module.instructions().size();
    const uint32_t boolType = module.BoolTypeLike(type);
    const uint32_t zero = module.Splat(type, kFloatZero);
    const uint32_t nan = module.Splat(type, kFloatNan);
    const uint32_t infinity = module.Splat(type, kFloatInfinity);
    i += module.instructions().size() - before;
    const uint32_t x = pow[kExtFirstOperand];
    const uint32_t y = pow[kExtFirstOperand + 1];
    const uint32_t power = Rename(module, i);
    const uint32_t negative = module.NewId();
    const uint32_t finite = module.NewId();
    const uint32_t zeroBase = module.NewId();
    const uint32_t negativeExponent = module.NewId();
    const uint32_t infinite = module.NewId();
    InsertAfter(module, i,
                {MakeInstruction(OpFOrdLessThan, {boolType, negative, x, zero}),
                 MakeInstruction(OpSelect, {type, finite, negative, nan, power}),
                 MakeInstruction(OpFOrdEqual, {boolType, zeroBase, x, zero}),
                 MakeInstruction(OpFOrdLessThan, {boolType, negativeExponent, y, zero}),
                 MakeInstruction(OpLogicalAnd, {boolType, infinite, zeroBase, negativeExponent}),
                 MakeInstruction(OpSelect, {type, pow[kExtResult], infinite, infinity, finite})});
    return module.instructions().size() - before;
}

// step(y, x) is 1 only where x >= y, so NaN on either side gives 0; GLSL's
// Step is 0 only where x < y, and gives 1 for NaN.
size_t StepByComparison(SpirvModule& module, size_t i) {
    const SpirvInstruction step = module.instructions()[i];
    const uint32_t type = step[kExtType];
    const size_t before = module.instructions().size();
    const uint32_t boolType = module.BoolTypeLike(type);
    const uint32_t zero = module.Splat(type, kFloatZero);
    const uint32_t one = module.Splat(type, kFloatOne);
    i += module.instructions().size() - before;
    const uint32_t atLeast = module.NewId();
    module.instructions()[i] =
        MakeInstruction(OpFOrdGreaterThanEqual,
                        {boolType, atLeast, step[kExtFirstOperand + 1], step[kExtFirstOperand]});
    InsertAfter(module, i,
                {MakeInstruction(OpSelect, {type, step[kExtResult], atLeast, one, zero})});
    return module.instructions().size() - before;
}

// smoothstep(a, b, x) as Microsoft's page writes it: t = saturate((x - a) /
// (b - a)), then t * t * (3 - 2 * t). With equal edges that is saturate of
// INF (1) past them and of NaN (0) on them; GLSL's SmoothStep is undefined
// there, and lavapipe's division by zero gave 0, 0.5 or 1 from run to run, so
// equal edges choose t by the sign of x - a.
size_t SmoothStepByFormula(SpirvModule& module, size_t i) {
    const SpirvInstruction smooth = module.instructions()[i];
    const uint32_t type = smooth[kExtType];
    const size_t before = module.instructions().size();
    const uint32_t boolType = module.BoolTypeLike(type);
    const uint32_t zero = module.Splat(type, kFloatZero);
    const uint32_t one = module.Splat(type, kFloatOne);
    const uint32_t two = module.Splat(type, kFloatTwo);
    const uint32_t three = module.Splat(type, kFloatThree);
    i += module.instructions().size() - before;
    const uint32_t glsl = smooth[kExtSet];
    const uint32_t a = smooth[kExtFirstOperand];
    uint32_t ids[12];
    for (uint32_t& id : ids) {
        id = module.NewId();
    }
    const auto [offset, width, ratio, atLeastZero, clamped, equal, past, edgeT, t, twiceT, rest,
                square] = ids;
    module.instructions()[i] =
        MakeInstruction(OpFSub, {type, offset, smooth[kExtFirstOperand + 2], a});
    InsertAfter(module, i,
                {MakeInstruction(OpFSub, {type, width, smooth[kExtFirstOperand + 1], a}),
                 MakeInstruction(OpFDiv, {type, ratio, offset, width}),
                 MakeInstruction(OpExtInst, {type, atLeastZero, glsl, kGlslNMax, ratio, zero}),
                 MakeInstruction(OpExtInst, {type, clamped, glsl, kGlslNMin, atLeastZero, one}),
                 MakeInstruction(OpFOrdEqual, {boolType, equal, width, zero}),
                 MakeInstruction(OpFOrdLessThan, {boolType, past, zero, offset}),
                 MakeInstruction(OpSelect, {type, edgeT, past, one, zero}),
                 MakeInstruction(OpSelect, {type, t, equal, edgeT, clamped}),
                 MakeInstruction(OpFMul, {type, twiceT, two, t}),
                 MakeInstruction(OpFSub, {type, rest, three, twiceT}),
                 MakeInstruction(OpFMul, {type, square, t, t}),
                 MakeInstruction(OpFMul, {type, smooth[kExtResult], square, rest})});
    return module.instructions().size() - before;
}

// faceforward(n, i, ng) as Microsoft's page writes it, -n * sign(dot(i,
// ng)): a dot product of 0 gives a zero vector, where GLSL's FaceForward
// gives -n (it picks n only where the dot product is negative).
size_t FaceForwardBySign(SpirvModule& module, size_t i) {
    const SpirvInstruction face = module.instructions()[i];
    const uint32_t type = face[kExtType];
    const uint32_t scalar = module.ScalarTypeOf(type);
    const bool vector = module.ComponentCount(type) > 1;
    const uint32_t n = face[kExtFirstOperand];
    const uint32_t dot = module.NewId();
    const uint32_t sign = module.NewId();
    const uint32_t negated = module.NewId();
    module.instructions()[i] =
        MakeInstruction(vector ? kOpDot : OpFMul,
                        {scalar, dot, face[kExtFirstOperand + 1], face[kExtFirstOperand + 2]});
    InsertAfter(module, i,
                {MakeInstruction(OpExtInst, {scalar, sign, face[kExtSet], kGlslFSign, dot}),
                 MakeInstruction(kOpFNegate, {type, negated, n}),
                 MakeInstruction(vector ? kOpVectorTimesScalar : OpFMul,
                                 {type, face[kExtResult], negated, sign})});
    return 3;
}

// firstbithigh of a signed integer: the highest bit that differs from the
// sign bit, -1 where none does, as FindUMsb(x ^ (x >> 31)). Drivers differ on
// FindSMsb of negative values: lavapipe in Mesa 25 gave one more than
// Direct3D (and GLSL) for -8 and -1.
size_t SignedHighBitThroughUnsigned(SpirvModule& module, size_t i) {
    const uint32_t x = module.instructions()[i][kExtFirstOperand];
    const uint32_t type = module.TypeOf(x);
    if (type == 0) {
        return 0;
    }
    const size_t before = module.instructions().size();
    const uint32_t signShift = module.Splat(type, 31);
    i += module.instructions().size() - before;
    const uint32_t sign = module.NewId();
    const uint32_t flipped = module.NewId();
    module.instructions()[i][kExtInstruction] = kGlslFindUMsb;
    module.instructions()[i][kExtFirstOperand] = flipped;
    module.Insert(i, MakeInstruction(OpShiftRightArithmetic, {type, sign, x, signShift}));
    module.Insert(i + 1, MakeInstruction(OpBitwiseXor, {type, flipped, x, sign}));
    return module.instructions().size() - before;
}

// The double whose bits asuint((float)d) ^ marker stands for: d where `xor`
// is that form, else 0.
uint32_t DoubleOfMarkedHalf(const SpirvModule& module, const SpirvInstruction& xorOfHalf) {
    const SpirvInstruction* bitcast = module.Definition(xorOfHalf[3]);
    if (bitcast == nullptr || OpcodeOf(*bitcast) != kOpBitcast || bitcast->size() != 4) {
        return 0;
    }
    const SpirvInstruction* narrowed = module.Definition((*bitcast)[3]);
    if (narrowed == nullptr || OpcodeOf(*narrowed) != kOpFConvert || narrowed->size() != 4) {
        return 0;
    }
    const SpirvInstruction* type = module.Definition(module.TypeOf((*narrowed)[3]));
    const bool isDouble =
        type != nullptr && OpcodeOf(*type) == OpTypeFloat && type->size() == 3 && (*type)[2] == 64;
    return isDouble ? (*narrowed)[3] : 0;
}

// asuint(double, out uint, out uint) of a NaN: the source's asuint((float)d)
// ^ marker at `i` becomes the half of d's bits the marker names. Returns how
// many instructions went in before it.
size_t DoubleBitsForMarker(SpirvModule& module, size_t i) {
    const SpirvInstruction instruction = module.instructions()[i];
    const uint32_t marker = instruction.size() == 5 ? ConstantValue(module, instruction[4]) : 0;
    const bool low = marker == kAsuintDoubleLowMarker;
    if (!low && marker != kAsuintDoubleHighMarker) {
        return 0;
    }
    const uint32_t value = DoubleOfMarkedHalf(module, instruction);
    if (value == 0) {
        return 0;
    }
    const size_t before = module.instructions().size();
    const uint32_t pair =
        module.FindOrDeclare(MakeInstruction(OpTypeVector, {0, instruction[1], 2}));
    i += module.instructions().size() - before;
    const uint32_t bits = module.NewId();
    module.instructions()[i] =
        MakeInstruction(OpCompositeExtract, {instruction[1], instruction[2], bits, low ? 0u : 1u});
    module.Insert(i, MakeInstruction(kOpBitcast, {pair, bits, value}));
    return module.instructions().size() - before;
}

} // namespace

void RepairIntrinsics(SpirvModule& module) {
    const uint32_t glsl = module.Glsl450();
    if (glsl == 0) {
        return;
    }
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        if (OpcodeOf(instruction) == OpBitwiseXor) {
            i += DoubleBitsForMarker(module, i);
            continue;
        }
        if (OpcodeOf(instruction) != OpExtInst || instruction.size() <= kExtInstruction ||
            instruction[kExtSet] != glsl) {
            continue;
        }
        const uint32_t which = instruction[kExtInstruction];
        if (which == kGlslFindSMsb && instruction.size() == kExtFirstOperand + 1) {
            i += SignedHighBitThroughUnsigned(module, i);
            continue;
        }
        if (!module.IsFloat32(instruction[kExtType])) {
            continue;
        }
        if (which == kGlslPow && instruction.size() == kExtFirstOperand + 2) {
            i += PowerByTable(module, i);
        } else if (which == kGlslStep && instruction.size() == kExtFirstOperand + 2) {
            i += StepByComparison(module, i);
        } else if (which == kGlslSmoothStep && instruction.size() == kExtFirstOperand + 3) {
            i += SmoothStepByFormula(module, i);
        } else if (which == kGlslFaceForward && instruction.size() == kExtFirstOperand + 3) {
            i += FaceForwardBySign(module, i);
        }
    }
}

} // namespace d3dcompiler_standin
