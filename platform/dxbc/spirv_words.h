// Reading a SPIR-V module word by word: the opcodes and decorations the
// stand-in looks at, literal strings, and a walk over instructions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dxbc::spirv {

enum Op : uint32_t {
    OpUndef = 1,
    OpName = 5,
    OpMemberName = 6,
    OpExtension = 10,
    OpExtInstImport = 11,
    OpExtInst = 12,
    OpEntryPoint = 15,
    OpExecutionMode = 16,
    OpCapability = 17,
    OpTypeVoid = 19,
    OpTypeBool = 20,
    OpTypeInt = 21,
    OpTypeFloat = 22,
    OpTypeVector = 23,
    OpTypeMatrix = 24,
    OpTypeArray = 28,
    OpTypeRuntimeArray = 29,
    OpTypeStruct = 30,
    OpTypePointer = 32,
    OpConstant = 43,
    OpConstantComposite = 44,
    OpConstantNull = 46,
    OpFunction = 54,
    OpFunctionEnd = 56,
    OpFunctionCall = 57,
    OpVariable = 59,
    OpLoad = 61,
    OpStore = 62,
    OpCopyMemory = 63,
    OpAccessChain = 65,
    OpInBoundsAccessChain = 66,
    OpPtrAccessChain = 67,
    OpDecorate = 71,
    OpMemberDecorate = 72,
    OpVectorShuffle = 79,
    OpCompositeConstruct = 80,
    OpCompositeExtract = 81,
    OpCompositeInsert = 82,
    OpCopyObject = 83,
    OpTranspose = 84,
    OpConvertFToU = 109,
    OpConvertFToS = 110,
    OpFAdd = 129,
    OpISub = 130,
    OpFSub = 131,
    OpFMul = 133,
    OpFDiv = 136,
    OpSRem = 138,
    OpSMod = 139,
    OpFRem = 140,
    OpFMod = 141,
    OpIsNan = 156,
    OpLogicalAnd = 167,
    OpSelect = 169,
    OpFOrdEqual = 180,
    OpFOrdLessThan = 184,
    OpFOrdGreaterThanEqual = 190,
    OpShiftRightLogical = 194,
    OpShiftRightArithmetic = 195,
    OpShiftLeftLogical = 196,
    OpBitwiseXor = 198,
    OpBitwiseAnd = 199,
    OpEmitVertex = 218,
    OpEmitStreamVertex = 220,
    OpPhi = 245,
    OpReturn = 253,
    OpDecorateId = 332,
    OpDecorateString = 5632,
    OpMemberDecorateString = 5633,
};

constexpr uint32_t kMagic = 0x07230203;
constexpr size_t kHeaderWords = 5;

// Bits of 32-bit float constants.
constexpr uint32_t kFloatZero = 0x00000000;
constexpr uint32_t kFloatOne = 0x3F800000;

constexpr uint32_t kDecorationRelaxedPrecision = 0;
constexpr uint32_t kDecorationBlock = 2;
constexpr uint32_t kDecorationBufferBlock = 3;
constexpr uint32_t kDecorationRowMajor = 4;
constexpr uint32_t kDecorationColMajor = 5;
constexpr uint32_t kDecorationArrayStride = 6;
constexpr uint32_t kDecorationMatrixStride = 7;
constexpr uint32_t kDecorationBuiltIn = 11;
constexpr uint32_t kDecorationPatch = 15;
constexpr uint32_t kDecorationStream = 29;
constexpr uint32_t kDecorationLocation = 30;
constexpr uint32_t kDecorationBinding = 33;
constexpr uint32_t kDecorationDescriptorSet = 34;
constexpr uint32_t kDecorationOffset = 35;
constexpr uint32_t kDecorationXfbBuffer = 36;
constexpr uint32_t kDecorationXfbStride = 37;
constexpr uint32_t kDecorationCounterBuffer = 5634;
constexpr uint32_t kDecorationUserSemantic = 5635;
constexpr uint32_t kDecorationUserType = 5636;

constexpr uint32_t kStorageInput = 1;
constexpr uint32_t kStorageUniform = 2;
constexpr uint32_t kStorageOutput = 3;
constexpr uint32_t kStoragePrivate = 6;
constexpr uint32_t kStorageStorageBuffer = 12;

// The literal string in words [word, end): four bytes a word, lowest first,
// ending at the first zero byte.
inline std::string ReadLiteralString(const std::vector<uint32_t>& words, size_t word, size_t end) {
    std::string text;
    for (; word < end; ++word) {
        for (int byte = 0; byte < 4; ++byte) {
            char c = char((words[word] >> (8 * byte)) & 0xFF);
            if (c == 0) {
                return text;
            }
            text += c;
        }
    }
    return text;
}

// `text` as a literal string's words, a zero byte after it.
inline std::vector<uint32_t> WriteLiteralString(const std::string& text) {
    std::vector<uint32_t> words((text.size() + 4) / 4, 0);
    for (size_t i = 0; i < text.size(); ++i) {
        words[i / 4] |= uint32_t(uint8_t(text[i])) << (8 * (i % 4));
    }
    return words;
}

// Calls visit(at, op, count) for each instruction after the header, `at`
// being the index of its first word. Returns false, having stopped there, at
// an instruction whose word count is zero or runs past the end.
template <typename Visit>
bool ForEachInstruction(const std::vector<uint32_t>& spirv, Visit&& visit) {
    for (size_t at = kHeaderWords; at < spirv.size();) {
        const uint32_t count = spirv[at] >> 16;
        if (count == 0 || at + count > spirv.size()) {
            return false;
        }
        visit(at, spirv[at] & 0xFFFF, count);
        at += count;
    }
    return true;
}

// Whether match(at, op, count) holds for an instruction, walking as
// ForEachInstruction walks and stopping at the first that it holds for: for
// the cheap looks at a module's words that spare most modules a full read.
template <typename Match> bool AnyInstruction(const std::vector<uint32_t>& spirv, Match&& match) {
    bool found = false;
    for (size_t at = kHeaderWords; at < spirv.size() && !found;) {
        const uint32_t count = spirv[at] >> 16;
        if (count == 0 || at + count > spirv.size()) {
            return false;
        }
        found = match(at, spirv[at] & 0xFFFF, count);
        at += count;
    }
    return found;
}

} // namespace dxbc::spirv
