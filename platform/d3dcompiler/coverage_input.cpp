#include "coverage_input.h"
#include "function_scan.h"
#include "spirv_module.h"

#include <spirv_words.h>

#include <cstring>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kOpDecorateString = 5632;
constexpr uint32_t kDecorationFlat = 14;
constexpr uint32_t kBuiltInSampleMask = 20;

// The ids of the inputs whose UserSemantic is kCoverageInputSemantic.
std::vector<uint32_t> CoverageVariables(SpirvModule& module) {
    std::vector<uint32_t> ids;
    const size_t length = std::strlen(kCoverageInputSemantic);
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) != kOpDecorateString || instruction.size() < 4 ||
            instruction[2] != kDecorationUserSemantic) {
            continue;
        }
        const char* text = reinterpret_cast<const char*>(&instruction[3]);
        const size_t room = (instruction.size() - 3) * 4;
        if (strnlen(text, room) == length &&
            strncasecmp(text, kCoverageInputSemantic, length) == 0) {
            ids.push_back(instruction[1]);
        }
    }
    return ids;
}

// The variable `id` as an array of one of its type, decorated SampleMask.
void MakeSampleMask(SpirvModule& module, uint32_t id) {
    std::vector<SpirvInstruction>& instructions = module.instructions();
    for (size_t i = 0; i < instructions.size(); ++i) {
        SpirvInstruction& instruction = instructions[i];
        const uint32_t op = OpcodeOf(instruction);
        if (op == OpDecorate && instruction.size() >= 4 && instruction[1] == id &&
            instruction[2] == kDecorationLocation) {
            instruction = MakeInstruction(OpDecorate, {id, kDecorationBuiltIn, kBuiltInSampleMask});
        } else if (op == OpDecorate && instruction.size() == 3 && instruction[1] == id &&
                   instruction[2] == kDecorationFlat) {
            module.Erase(i--);
        }
    }
    const SpirvInstruction* variable = module.Definition(id);
    const SpirvInstruction* pointer = variable ? module.Definition((*variable)[1]) : nullptr;
    if (pointer == nullptr || OpcodeOf(*pointer) != OpTypePointer) {
        return;
    }
    const uint32_t elementPointer = (*variable)[1];
    const uint32_t element = (*pointer)[3];
    const uint32_t uintType = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 0}));
    const uint32_t one = module.FindOrDeclare(MakeInstruction(OpConstant, {uintType, 0, 1}));
    const uint32_t zero = module.FindOrDeclare(MakeInstruction(OpConstant, {uintType, 0, 0}));
    const uint32_t array = module.FindOrDeclare(MakeInstruction(OpTypeArray, {0, element, one}));
    const uint32_t arrayPointer =
        module.FindOrDeclare(MakeInstruction(OpTypePointer, {0, kStorageInput, array}));
    // Declared again after its new type, which goes at the declarations' end.
    for (size_t i = 0; i < module.FirstFunction(); ++i) {
        if (OpcodeOf(module.instructions()[i]) == OpVariable && module.instructions()[i][2] == id) {
            module.Erase(i);
            module.Declare(MakeInstruction(OpVariable, {arrayPointer, id, kStorageInput}));
            break;
        }
    }
    for (size_t i = module.FirstFunction(); i < module.instructions().size(); ++i) {
        SpirvInstruction& load = module.instructions()[i];
        if (OpcodeOf(load) == OpLoad && load[3] == id) {
            const uint32_t first = module.NewId();
            load[3] = first;
            module.Insert(i++, MakeInstruction(OpAccessChain, {elementPointer, first, id, zero}));
        }
    }
}

} // namespace

void RenameCoverageInputs(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                          std::vector<TextEdit>* edits) {
    bool named = false;
    for (size_t at = 0; at < tokens.size() && !named; ++at) {
        named =
            tokens[at].text.size() == 11 && strcasecmp(tokens[at].text.c_str(), "SV_Coverage") == 0;
    }
    for (const FunctionDefinition& function :
         named ? FindFunctionDefinitions(tokens) : std::vector<FunctionDefinition>()) {
        if (tokens[function.name].text != entryPoint) {
            continue;
        }
        for (const auto& [first, past] : Parameters(tokens, function)) {
            bool out = false;
            for (size_t at = first; at < past; ++at) {
                out = out || tokens[at].text == "out" || tokens[at].text == "inout";
                if (!out && at > first && tokens[at - 1].text == ":" &&
                    strcasecmp(tokens[at].text.c_str(), "SV_Coverage") == 0) {
                    edits->push_back(
                        {tokens[at].offset, tokens[at].text.size(), kCoverageInputSemantic});
                }
            }
        }
    }
}

void ReadCoverageInputs(std::vector<uint32_t>* spirv) {
    bool named = false; // a cheap look at the words before reading the module
    for (size_t at = kHeaderWords; at < spirv->size() && !named;) {
        const uint32_t count = (*spirv)[at] >> 16;
        named = ((*spirv)[at] & 0xFFFF) == kOpDecorateString && count >= 4 &&
                at + count <= spirv->size() && (*spirv)[at + 2] == kDecorationUserSemantic &&
                count - 3 == (std::strlen(kCoverageInputSemantic) + 4) / 4 &&
                strncasecmp(reinterpret_cast<const char*>(&(*spirv)[at + 3]),
                            kCoverageInputSemantic, std::strlen(kCoverageInputSemantic)) == 0;
        at += count == 0 ? spirv->size() : count;
    }
    SpirvModule module;
    if (!named) {
        return;
    }
    if (!module.Read(*spirv)) {
        return;
    }
    const std::vector<uint32_t> ids = CoverageVariables(module);
    if (ids.empty()) {
        return;
    }
    for (uint32_t id : ids) {
        MakeSampleMask(module, id);
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
