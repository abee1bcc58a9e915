#include "stream_output.h"

#include <spirv_words.h>

#include <map>

namespace d3d12_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kCapabilityTransformFeedback = 53;
constexpr uint32_t kCapabilityGeometryStreams = 54;
constexpr uint32_t kExecutionModeXfb = 11;
constexpr uint32_t kBuiltInPosition = 0;

using Words = std::vector<uint32_t>;

void Emit(Words* out, uint32_t op, std::initializer_list<uint32_t> operands) {
    out->push_back(uint32_t(operands.size() + 1) << 16 | op);
    out->insert(out->end(), operands.begin(), operands.end());
}

// What the rewrite reads of the module before changing it.
struct ModuleFacts {
    uint32_t entryFunction = 0;
    size_t entryPoint = 0;                 // word index of the OpEntryPoint
    size_t annotationsEnd = 0;             // where new decorations go
    size_t firstFunction = 0;              // where new types and variables go
    std::map<uint32_t, uint32_t> pointee;  // output variable -> its value type
    std::map<uint32_t, uint32_t> location; // output variable -> Location
    uint32_t positionVariable = 0;
    uint32_t nextLocation = 0;
    bool geometryStreams = false; // the module already declares the capability
    std::map<uint32_t, std::pair<uint32_t, uint32_t>> vectors;  // id -> (component, count)
    std::map<uint32_t, uint32_t> scalarWidth;                   // int and float types
    std::map<uint32_t, std::pair<uint32_t, uint32_t>> pointers; // id -> (storage, type)
    std::map<uint32_t, uint32_t> constants;                     // 32-bit constants
    std::map<uint32_t, uint32_t> variableType;                  // variable -> pointer type
};

bool IsAnnotation(uint32_t op) {
    return op >= 71 && op <= 75;
}

void NoteInstruction(const uint32_t* w, uint32_t count, size_t at, uint32_t model,
                     ModuleFacts* facts) {
    const uint32_t op = w[0] & 0xFFFF;
    if (op == OpCapability && count == 2 && w[1] == kCapabilityGeometryStreams) {
        facts->geometryStreams = true;
    } else if (op == OpEntryPoint && count >= 3 && w[1] == model && facts->entryPoint == 0) {
        facts->entryPoint = at;
        facts->entryFunction = w[2];
    } else if (IsAnnotation(op)) {
        facts->annotationsEnd = at + count;
        if (op == OpDecorate && count >= 4 && w[2] == kDecorationLocation) {
            facts->location[w[1]] = w[3];
        } else if (op == OpDecorate && count >= 4 && w[2] == kDecorationBuiltIn &&
                   w[3] == kBuiltInPosition) {
            facts->positionVariable = w[1];
        }
    } else if ((op == OpTypeInt || op == OpTypeFloat) && count >= 3) {
        facts->scalarWidth[w[1]] = w[2];
    } else if (op == OpTypeVector && count == 4) {
        facts->vectors[w[1]] = {w[2], w[3]};
    } else if (op == OpTypePointer && count == 4) {
        facts->pointers[w[1]] = {w[2], w[3]};
    } else if (op == OpConstant && count == 4) {
        facts->constants[w[2]] = w[3];
    } else if (op == OpVariable && count >= 4 && w[3] == kStorageOutput) {
        facts->variableType[w[2]] = w[1];
    } else if (op == OpFunction && facts->firstFunction == 0) {
        facts->firstFunction = at;
    }
}

// SPIR-V's execution model of a stage that may capture.
uint32_t ExecutionModel(VkShaderStageFlagBits stage) {
    constexpr uint32_t kVertex = 0, kTessellationEvaluation = 2, kGeometry = 3;
    switch (stage) {
    case VK_SHADER_STAGE_GEOMETRY_BIT:
        return kGeometry;
    case VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT:
        return kTessellationEvaluation;
    default:
        return kVertex;
    }
}

bool ReadFacts(const Words& spirv, VkShaderStageFlagBits stage, ModuleFacts* facts) {
    const uint32_t model = ExecutionModel(stage);
    for (size_t at = 5; at < spirv.size();) {
        const uint32_t count = spirv[at] >> 16;
        if (count == 0 || at + count > spirv.size()) {
            return false;
        }
        NoteInstruction(&spirv[at], count, at, model, facts);
        at += count;
    }
    for (const auto& [variable, pointer] : facts->variableType) {
        auto found = facts->pointers.find(pointer);
        if (found != facts->pointers.end()) {
            facts->pointee[variable] = found->second.second;
        }
        auto location = facts->location.find(variable);
        if (location != facts->location.end() && location->second >= facts->nextLocation) {
            facts->nextLocation = location->second + 1;
        }
    }
    return facts->entryPoint != 0 && facts->firstFunction != 0 && facts->annotationsEnd != 0;
}

// New ids, types and declarations gathered while the captures are planned.
struct Additions {
    uint32_t bound;
    Words types;         // before the first function
    Words decorations;   // after the last annotation
    Words entryOperands; // new entry point operands
    struct Copy {
        uint32_t stream, source, sourceType, target, targetType;
        uint32_t first, count, sourceCount;
    };
    std::vector<Copy> copies;
};

uint32_t VectorType(ModuleFacts* facts, Additions* add, uint32_t component, uint32_t count) {
    if (count == 1) {
        return component;
    }
    for (const auto& [id, shape] : facts->vectors) {
        if (shape.first == component && shape.second == count) {
            return id;
        }
    }
    const uint32_t id = add->bound++;
    Emit(&add->types, OpTypeVector, {id, component, count});
    facts->vectors[id] = {component, count};
    return id;
}

uint32_t OutputPointer(ModuleFacts* facts, Additions* add, uint32_t type) {
    for (const auto& [id, pointer] : facts->pointers) {
        if (pointer.first == kStorageOutput && pointer.second == type) {
            return id;
        }
    }
    const uint32_t id = add->bound++;
    Emit(&add->types, OpTypePointer, {id, kStorageOutput, type});
    facts->pointers[id] = {kStorageOutput, type};
    return id;
}

// The variable and decorations of one capture, and the copy into it.
bool PlanCapture(const StreamOutputCapture& capture, const StreamOutputPlan& plan,
                 ModuleFacts* facts, Additions* add, std::string* error) {
    uint32_t source = capture.position ? facts->positionVariable : 0;
    for (const auto& [variable, location] : facts->location) {
        if (!capture.position && location == capture.location && facts->pointee.count(variable)) {
            source = variable;
        }
    }
    const auto type = facts->pointee.find(source);
    if (source == 0 || type == facts->pointee.end()) {
        *error = "the shader's SPIR-V has no output for a stream-output entry";
        return false;
    }
    auto vector = facts->vectors.find(type->second);
    const uint32_t component = vector != facts->vectors.end() ? vector->second.first : type->second;
    const uint32_t sourceCount = vector != facts->vectors.end() ? vector->second.second : 1;
    if (facts->scalarWidth.count(component) == 0 || facts->scalarWidth[component] != 32 ||
        capture.firstComponent + capture.componentCount > sourceCount) {
        *error = "a stream-output entry names an output the stand-in cannot capture";
        return false;
    }
    const uint32_t targetType = VectorType(facts, add, component, capture.componentCount);
    const uint32_t pointer = OutputPointer(facts, add, targetType);
    const uint32_t target = add->bound++;
    Emit(&add->types, OpVariable, {pointer, target, kStorageOutput});
    Emit(&add->decorations, OpDecorate, {target, kDecorationLocation, facts->nextLocation++});
    Emit(&add->decorations, OpDecorate, {target, kDecorationXfbBuffer, capture.slot});
    Emit(&add->decorations, OpDecorate, {target, kDecorationXfbStride, plan.strides[capture.slot]});
    Emit(&add->decorations, OpDecorate, {target, kDecorationOffset, capture.offset});
    if (capture.stream != 0) {
        Emit(&add->decorations, OpDecorate, {target, kDecorationStream, capture.stream});
    }
    add->entryOperands.push_back(target);
    add->copies.push_back({capture.stream, source, type->second, target, targetType,
                           capture.firstComponent, capture.componentCount, sourceCount});
    return true;
}

// The copies of `stream`'s captures, recorded where a vertex ends.
void EmitCopies(const Additions& add, uint32_t stream, uint32_t* bound, Words* out) {
    for (const Additions::Copy& copy : add.copies) {
        if (copy.stream != stream) {
            continue;
        }
        const uint32_t loaded = (*bound)++;
        Emit(out, OpLoad, {copy.sourceType, loaded, copy.source});
        uint32_t value = loaded;
        if (copy.count != copy.sourceCount && copy.count == 1) {
            value = (*bound)++;
            Emit(out, OpCompositeExtract, {copy.targetType, value, loaded, copy.first});
        } else if (copy.count != copy.sourceCount) {
            value = (*bound)++;
            out->push_back(uint32_t(5 + copy.count) << 16 | OpVectorShuffle);
            out->insert(out->end(), {copy.targetType, value, loaded, loaded});
            for (uint32_t i = 0; i < copy.count; ++i) {
                out->push_back(copy.first + i);
            }
        }
        Emit(out, OpStore, {copy.target, value});
    }
}

// The stream a vertex ends for at `w`, or -1 where no vertex ends there:
// a geometry shader's emits, or the vertex or domain shader's return from
// its entry.
int64_t VertexEndStream(const uint32_t* w, bool geometry, bool inEntry, const ModuleFacts& facts) {
    const uint32_t op = w[0] & 0xFFFF;
    if (geometry && op == OpEmitVertex) {
        return 0;
    }
    if (geometry && op == OpEmitStreamVertex) {
        auto constant = facts.constants.find(w[1]);
        return constant != facts.constants.end() ? int64_t(constant->second) : -1;
    }
    return !geometry && inEntry && op == OpReturn ? 0 : -1;
}

Words Rebuild(const Words& spirv, const ModuleFacts& facts, Additions* add, bool geometry,
              bool streams) {
    Words out(spirv.begin(), spirv.begin() + 5);
    Emit(&out, OpCapability, {kCapabilityTransformFeedback});
    if (streams && !facts.geometryStreams) {
        Emit(&out, OpCapability, {kCapabilityGeometryStreams});
    }
    bool inEntry = false;
    for (size_t at = 5; at < spirv.size();) {
        const uint32_t count = spirv[at] >> 16;
        const uint32_t* w = &spirv[at];
        if (at == facts.firstFunction) {
            out.insert(out.end(), add->types.begin(), add->types.end());
        }
        const uint32_t op = w[0] & 0xFFFF;
        inEntry = op == OpFunction ? w[2] == facts.entryFunction : inEntry;
        const int64_t stream = VertexEndStream(w, geometry, inEntry, facts);
        if (stream >= 0) {
            EmitCopies(*add, uint32_t(stream), &add->bound, &out);
        }
        if (at == facts.entryPoint) {
            out.push_back(uint32_t(count + add->entryOperands.size()) << 16 | OpEntryPoint);
            out.insert(out.end(), w + 1, w + count);
            out.insert(out.end(), add->entryOperands.begin(), add->entryOperands.end());
            Emit(&out, OpExecutionMode, {facts.entryFunction, kExecutionModeXfb});
        } else {
            out.insert(out.end(), w, w + count);
        }
        if (at + count == facts.annotationsEnd) {
            out.insert(out.end(), add->decorations.begin(), add->decorations.end());
        }
        inEntry = inEntry && op != OpFunctionEnd;
        at += count;
    }
    out[3] = add->bound;
    return out;
}

} // namespace

bool AddStreamOutput(std::vector<uint32_t>* spirv, const StreamOutputPlan& plan,
                     VkShaderStageFlagBits stage, std::string* error) {
    ModuleFacts facts;
    if (spirv->size() < 5 || !ReadFacts(*spirv, stage, &facts)) {
        *error = "the shader's SPIR-V could not be read for stream output";
        return false;
    }
    Additions add;
    add.bound = (*spirv)[3];
    bool streams = false;
    for (const StreamOutputCapture& capture : plan.captures) {
        if (!PlanCapture(capture, plan, &facts, &add, error)) {
            return false;
        }
        streams = streams || capture.stream != 0;
    }
    *spirv = Rebuild(*spirv, facts, &add, stage == VK_SHADER_STAGE_GEOMETRY_BIT, streams);
    return true;
}

} // namespace d3d12_standin
