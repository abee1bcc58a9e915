#include "patch_constant_locations.h"

#include "spirv_module.h"

#include <spirv_words.h>

#include <map>
#include <set>
#include <string>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kTessellationControl = 1;
constexpr uint32_t kTessellationEvaluation = 2;
constexpr uint32_t kBuiltInPrimitiveId = 7;

// What the entry point's interface variables carry.
struct Interface {
    uint32_t model = UINT32_MAX;
    std::vector<uint32_t> variables; // in the entry point's order
    std::set<uint32_t> patch, builtIn;
    std::map<uint32_t, uint32_t> storage, pointerTypes, pointees, arrayLengths, constants;
    std::map<uint32_t, std::string> semantics;
};

void ReadEntryPoint(const SpirvInstruction& instruction, Interface* interface) {
    if (interface->model != UINT32_MAX || instruction.size() < 4) {
        return;
    }
    interface->model = instruction[1];
    size_t at = 3;
    while (at < instruction.size() && (instruction[at] >> 24) != 0) {
        ++at;
    }
    interface->variables.assign(instruction.begin() + std::min(at + 1, instruction.size()),
                                instruction.end());
}

void ReadDeclaration(const SpirvInstruction& w, Interface* interface) {
    const uint32_t op = OpcodeOf(w);
    if (op == OpEntryPoint) {
        ReadEntryPoint(w, interface);
    } else if (op == OpDecorate && w.size() >= 3 && w[2] == kDecorationPatch) {
        interface->patch.insert(w[1]);
    } else if (op == OpDecorate && w.size() >= 4 && w[2] == kDecorationBuiltIn) {
        interface->builtIn.insert(w[1]);
    } else if (op == OpDecorateString && w.size() >= 4 && w[2] == kDecorationUserSemantic) {
        std::vector<uint32_t> words(w.begin(), w.end());
        interface->semantics[w[1]] = ReadLiteralString(words, 3, words.size());
    } else if (op == OpVariable && w.size() >= 4) {
        interface->storage[w[2]] = w[3];
        interface->pointerTypes[w[2]] = w[1];
    } else if (op == OpTypePointer && w.size() >= 4) {
        interface->pointees[w[1]] = w[3];
    } else if (op == OpTypeArray && w.size() >= 4) {
        interface->arrayLengths[w[1]] = w[3];
    } else if (op == OpConstant && w.size() >= 4) {
        interface->constants[w[2]] = w[3];
    }
}

// The locations a variable takes: one, or one per element of an array.
uint32_t LocationsTaken(const Interface& interface, uint32_t variable) {
    const auto pointer = interface.pointerTypes.find(variable);
    const auto pointee = pointer == interface.pointerTypes.end()
                             ? interface.pointees.end()
                             : interface.pointees.find(pointer->second);
    if (pointee == interface.pointees.end()) {
        return 1;
    }
    const auto length = interface.arrayLengths.find(pointee->second);
    if (length == interface.arrayLengths.end()) {
        return 1;
    }
    const auto value = interface.constants.find(length->second);
    return value == interface.constants.end() || value->second == 0 ? 1 : value->second;
}

// Drops the variable's Location and Patch decorations and adds BuiltIn PrimitiveId.
void MakePrimitiveId(SpirvModule& module, uint32_t variable) {
    std::vector<SpirvInstruction>& instructions = module.instructions();
    for (size_t i = 0; i < instructions.size(); ++i) {
        const SpirvInstruction& w = instructions[i];
        if (OpcodeOf(w) == OpDecorate && w.size() >= 3 && w[1] == variable &&
            (w[2] == kDecorationLocation || w[2] == kDecorationPatch)) {
            module.Erase(i--);
        }
    }
    module.Insert(AnnotationPlace(module),
                  MakeInstruction(OpDecorate, {variable, kDecorationBuiltIn, kBuiltInPrimitiveId}));
}

} // namespace

void PlacePatchConstants(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (!module.Read(*spirv)) {
        return;
    }
    Interface interface;
    for (const SpirvInstruction& instruction : module.instructions()) {
        ReadDeclaration(instruction, &interface);
    }
    if (interface.model != kTessellationControl && interface.model != kTessellationEvaluation) {
        return;
    }
    const uint32_t storage =
        interface.model == kTessellationControl ? kStorageOutput : kStorageInput;
    std::map<uint32_t, uint32_t> locations;
    uint32_t next = kFirstPatchConstantLocation;
    for (uint32_t variable : interface.variables) {
        if (interface.storage[variable] != storage || interface.patch.count(variable) == 0 ||
            interface.builtIn.count(variable) != 0) {
            continue;
        }
        if (interface.model == kTessellationEvaluation &&
            strcasecmp(interface.semantics[variable].c_str(), "SV_PrimitiveID") == 0) {
            MakePrimitiveId(module, variable);
            continue;
        }
        locations[variable] = next;
        next += LocationsTaken(interface, variable);
    }
    for (SpirvInstruction& w : module.instructions()) {
        if (OpcodeOf(w) == OpDecorate && w.size() >= 4 && w[2] == kDecorationLocation &&
            locations.count(w[1]) != 0) {
            w[3] = locations[w[1]];
        }
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
