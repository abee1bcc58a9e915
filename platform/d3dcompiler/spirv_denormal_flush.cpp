#include "spirv_denormal_flush.h"

#include <spirv_words.h>

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kExecutionModelGLCompute = 5;
constexpr uint32_t kOpBitcast = 124;
constexpr uint32_t kOpVectorTimesScalar = 142;
constexpr uint32_t kOpDot = 148;
constexpr uint32_t kOpIEqual = 170;

constexpr uint32_t kExponentBits = 0x7F800000;
constexpr uint32_t kSignBit = 0x80000000;

// The GLSL.std.450 instructions that compute on floats, each result from
// float operands alone (FAbs and the sign changes are moves in Direct3D).
constexpr uint32_t kArithmeticGlsl[] = {1,  2,  3,  6,  8,  9,  10, 13, 14, 15, 16, 17, 18, 19, 20,
                                        21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 37, 40, 43,
                                        46, 48, 49, 50, 53, 66, 67, 68, 69, 70, 71, 72, 79, 80, 81};

// Whether an entry point is a compute shader; the entry points come together,
// near the module's start, so the search ends after them.
bool IsCompute(const SpirvModule& module) {
    bool seen = false;
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) != OpEntryPoint) {
            if (seen) {
                return false;
            }
            continue;
        }
        seen = true;
        if (instruction.size() > 1 && instruction[1] == kExecutionModelGLCompute) {
            return true;
        }
    }
    return false;
}

// The index of the first operand of an arithmetic instruction on floats, 0
// for any other instruction.
size_t FirstArithmeticOperand(const SpirvModule& module, const SpirvInstruction& instruction,
                              uint32_t glsl) {
    const uint32_t op = OpcodeOf(instruction);
    if (instruction.size() < 4 || !module.IsFloat32(instruction[1])) {
        return 0;
    }
    if (op == OpExtInst) {
        const bool arithmetic = instruction.size() > 5 && instruction[3] == glsl &&
                                std::find(std::begin(kArithmeticGlsl), std::end(kArithmeticGlsl),
                                          instruction[4]) != std::end(kArithmeticGlsl);
        return arithmetic ? 5 : 0;
    }
    const bool arithmetic = op == OpFAdd || op == OpFSub || op == OpFMul || op == OpFDiv ||
                            op == OpFRem || op == OpFMod || op == kOpVectorTimesScalar ||
                            op == kOpDot;
    return arithmetic ? 3 : 0;
}

// The constants and types a flush of a value of `type` reads.
struct FlushTypes {
    uint32_t uintType = 0;
    uint32_t boolType = 0;
    uint32_t exponentMask = 0;
    uint32_t signMask = 0;
    uint32_t zero = 0;
};

FlushTypes DeclareFlushTypes(SpirvModule& module, uint32_t type) {
    FlushTypes types;
    const uint32_t uintScalar = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 0}));
    const uint32_t count = module.ComponentCount(type);
    types.uintType =
        count == 1 ? uintScalar
                   : module.FindOrDeclare(MakeInstruction(OpTypeVector, {0, uintScalar, count}));
    types.boolType = module.BoolTypeLike(type);
    types.exponentMask = module.Splat(types.uintType, kExponentBits);
    types.signMask = module.Splat(types.uintType, kSignBit);
    types.zero = module.Splat(types.uintType, 0);
    return types;
}

// Instructions that compute `flushed` from `value` of float type `type`:
// its sign alone where its exponent is 0, else its bits unchanged. Done on
// the bits, so that no optimiser reads it as arithmetic.
std::vector<SpirvInstruction> Flush(SpirvModule& module, const FlushTypes& types, uint32_t type,
                                    uint32_t value, uint32_t flushed) {
    const uint32_t bits = module.NewId();
    const uint32_t exponent = module.NewId();
    const uint32_t denormal = module.NewId();
    const uint32_t sign = module.NewId();
    const uint32_t chosen = module.NewId();
    return {
        MakeInstruction(kOpBitcast, {types.uintType, bits, value}),
        MakeInstruction(OpBitwiseAnd, {types.uintType, exponent, bits, types.exponentMask}),
        MakeInstruction(kOpIEqual, {types.boolType, denormal, exponent, types.zero}),
        MakeInstruction(OpBitwiseAnd, {types.uintType, sign, bits, types.signMask}),
        MakeInstruction(OpSelect, {types.uintType, chosen, denormal, sign, bits}),
        MakeInstruction(kOpBitcast, {type, flushed, chosen}),
    };
}

// Declares what the flushes of each float type the arithmetic reads or
// gives need.
std::map<uint32_t, FlushTypes> DeclareAllFlushTypes(SpirvModule& module, uint32_t glsl) {
    std::set<uint32_t> types;
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        const size_t first = FirstArithmeticOperand(module, instruction, glsl);
        for (size_t k = first; first != 0 && k < instruction.size(); ++k) {
            types.insert(module.TypeOf(instruction[k]));
        }
        if (first != 0) {
            types.insert(instruction[1]);
        }
    }
    std::map<uint32_t, FlushTypes> flushTypes;
    for (uint32_t type : types) {
        if (type != 0 && module.IsFloat32(type)) {
            flushTypes[type] = DeclareFlushTypes(module, type);
        }
    }
    return flushTypes;
}

// Appends to `body` the arithmetic `instruction` with its float operands and
// its result flushed; the result keeps its id for its readers, and
// `renamed` learns the id the arithmetic itself now gives.
void AppendFlushed(SpirvModule& module, const std::map<uint32_t, FlushTypes>& flushTypes,
                   SpirvInstruction instruction, size_t firstOperand,
                   std::vector<SpirvInstruction>* body, std::map<uint32_t, uint32_t>* renamed) {
    for (size_t k = firstOperand; k < instruction.size(); ++k) {
        const uint32_t type = module.TypeOf(instruction[k]);
        const auto types = flushTypes.find(type);
        if (types == flushTypes.end()) {
            continue;
        }
        const uint32_t flushed = module.NewId();
        const auto flush = Flush(module, types->second, type, instruction[k], flushed);
        body->insert(body->end(), flush.begin(), flush.end());
        instruction[k] = flushed;
    }
    const uint32_t result = instruction[2];
    const uint32_t raw = module.NewId();
    (*renamed)[result] = raw;
    instruction[2] = raw;
    body->push_back(instruction);
    const auto output = Flush(module, flushTypes.at(instruction[1]), instruction[1], raw, result);
    body->insert(body->end(), output.begin(), output.end());
}

} // namespace

void FlushDenormalsInCompute(SpirvModule& module) {
    if (!IsCompute(module)) {
        return;
    }
    const uint32_t glsl = module.Glsl450();
    const std::map<uint32_t, FlushTypes> flushTypes = DeclareAllFlushTypes(module, glsl);
    std::map<uint32_t, uint32_t> renamed;
    std::vector<SpirvInstruction> body;
    const size_t start = module.FirstFunction();
    for (size_t i = start; i < module.instructions().size(); ++i) {
        const SpirvInstruction& instruction = module.instructions()[i];
        const size_t first = FirstArithmeticOperand(module, instruction, glsl);
        if (first != 0) {
            AppendFlushed(module, flushTypes, instruction, first, &body, &renamed);
        } else {
            body.push_back(instruction);
        }
    }
    // Decorations such as NoContraction belong to the arithmetic.
    for (size_t i = 0; i < start; ++i) {
        SpirvInstruction& instruction = module.instructions()[i];
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() > 2 &&
            renamed.count(instruction[1]) != 0) {
            instruction[1] = renamed[instruction[1]];
        }
    }
    module.ReplaceFrom(start, std::move(body));
}

} // namespace d3dcompiler_standin
