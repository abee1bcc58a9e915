#include "spirv_signatures.h"
#include "spirv_words.h"

#include <windows.h>

#include <d3dcommon.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

struct ScalarInfo {
    uint32_t componentType = D3D_REGISTER_COMPONENT_UNKNOWN;
    uint32_t components = 1;
    uint32_t elements = 1;    // an array takes one register per element
    uint32_t outerLength = 1; // an array's own length, its outermost dimension
};

struct Variable {
    uint32_t pointerType = 0;
    uint32_t storage = 0;
    int64_t location = -1;
    int64_t builtIn = -1;
    bool relaxedPrecision = false; // what glslang marks min16float and its kin
    bool patch = false;            // a hull shader's patch constant, read once a patch
    uint32_t stream = 0;           // a geometry shader's output stream
    std::string semantic;
    std::string name;
};

// What the signatures are read from: the entry point's interface, and the
// variables and types it names.
struct EntryInterface {
    uint32_t model = 0; // the entry point's SPIR-V execution model
    std::vector<uint32_t> ids;
    std::map<uint32_t, Variable> variables;
    std::map<uint32_t, ScalarInfo> types;
    std::map<uint32_t, uint32_t> pointees;
    std::map<uint32_t, uint32_t> constants; // 32-bit integer constants, for array lengths
};

// System values by SPIR-V BuiltIn, with the spelling fxc writes.
struct SystemValue {
    uint32_t builtIn;
    uint32_t name; // D3D_NAME
    const char* semantic;
};
constexpr SystemValue kSystemValues[] = {
    {0, D3D_NAME_POSITION, "SV_Position"},
    {15, D3D_NAME_POSITION, "SV_Position"},
    {3, D3D_NAME_CLIP_DISTANCE, "SV_ClipDistance"},
    {4, D3D_NAME_CULL_DISTANCE, "SV_CullDistance"},
    {7, D3D_NAME_PRIMITIVE_ID, "SV_PrimitiveID"},
    {17, D3D_NAME_IS_FRONT_FACE, "SV_IsFrontFace"},
    {18, D3D_NAME_SAMPLE_INDEX, "SV_SampleIndex"},
    {20, D3D_NAME_COVERAGE, "SV_Coverage"},
    {22, D3D_NAME_DEPTH, "SV_Depth"},
    {42, D3D_NAME_VERTEX_ID, "SV_VertexID"},
    {43, D3D_NAME_INSTANCE_ID, "SV_InstanceID"},
};

// "TEXCOORD3" -> ("TEXCOORD", 3); "COLOR" -> ("COLOR", 0).
void SplitSemantic(const std::string& semantic, std::string* name, uint32_t* index) {
    size_t digits = semantic.size();
    while (digits > 0 && std::isdigit(uint8_t(semantic[digits - 1]))) {
        --digits;
    }
    *name = semantic.substr(0, digits);
    *index =
        digits < semantic.size()
            ? uint32_t(std::min(std::strtoul(semantic.c_str() + digits, nullptr, 10), 0xFFFFFFFFul))
            : 0;
}

bool IsGoogleExtension(const std::string& name) {
    return name == "SPV_GOOGLE_hlsl_functionality1" || name == "SPV_GOOGLE_decorate_string" ||
           name == "SPV_GOOGLE_user_type";
}

// The entry point's interface ids: after the model, the id and the name (a
// literal string).
void RecordEntryPoint(const std::vector<uint32_t>& spirv, size_t at, uint32_t count,
                      EntryInterface* entry) {
    size_t afterName = at + 3;
    while (afterName < at + count && (spirv[afterName] >> 24) != 0) {
        ++afterName;
    }
    entry->model = spirv[at + 1];
    entry->ids.assign(spirv.begin() + std::min(afterName + 1, at + count),
                      spirv.begin() + at + count);
}

void RecordType(uint32_t op, const uint32_t* w, EntryInterface* entry) {
    std::map<uint32_t, ScalarInfo>& types = entry->types;
    switch (op) {
    case OpTypeBool:
        types[w[1]] = {D3D_REGISTER_COMPONENT_UINT32, 1};
        break;
    case OpTypeInt:
        types[w[1]] = {w[3] ? uint32_t(D3D_REGISTER_COMPONENT_SINT32)
                            : uint32_t(D3D_REGISTER_COMPONENT_UINT32),
                       1};
        break;
    case OpTypeFloat:
        types[w[1]] = {D3D_REGISTER_COMPONENT_FLOAT32, 1};
        break;
    case OpTypeVector:
        types[w[1]] = {types[w[2]].componentType, w[3]};
        break;
    case OpTypeArray:
        types[w[1]] = types[w[2]];
        types[w[1]].outerLength = std::max<uint32_t>(entry->constants[w[3]], 1);
        types[w[1]].elements *= types[w[1]].outerLength;
        break;
    case OpConstant:
        entry->constants[w[2]] = w[3];
        break;
    case OpTypePointer:
        entry->pointees[w[1]] = w[3];
        break;
    default:
        break;
    }
}

void RecordInstruction(const std::vector<uint32_t>& spirv, size_t at, uint32_t op, uint32_t count,
                       EntryInterface* entry) {
    const uint32_t* w = &spirv[at];
    std::map<uint32_t, Variable>& variables = entry->variables;
    switch (op) {
    case OpEntryPoint:
        RecordEntryPoint(spirv, at, count, entry);
        break;
    case OpName:
        variables[w[1]].name = ReadLiteralString(spirv, at + 2, at + count);
        break;
    case OpVariable:
        variables[w[2]].pointerType = w[1];
        variables[w[2]].storage = w[3];
        break;
    case OpDecorate:
        if (count >= 4 && w[2] == kDecorationLocation) {
            variables[w[1]].location = w[3];
        } else if (count >= 4 && w[2] == kDecorationBuiltIn) {
            variables[w[1]].builtIn = w[3];
        } else if (count >= 3 && w[2] == kDecorationRelaxedPrecision) {
            variables[w[1]].relaxedPrecision = true;
        } else if (count >= 3 && w[2] == kDecorationPatch) {
            variables[w[1]].patch = true;
        } else if (count >= 4 && w[2] == kDecorationStream) {
            variables[w[1]].stream = w[3];
        }
        break;
    case OpDecorateString:
        if (count >= 4 && w[2] == kDecorationUserSemantic) {
            variables[w[1]].semantic = ReadLiteralString(spirv, at + 3, at + count);
        }
        break;
    default:
        RecordType(op, w, entry);
        break;
    }
}

// The 16-bit minimum precision of a min16float, min16int or min16uint value
// (glslang gives min10float and min12int the same mark; fxc writes min12int
// as 16-bit, there being no 12-bit level, and min10float's own level is told
// from the source afterwards).
uint32_t SixteenBitPrecision(uint32_t componentType) {
    switch (componentType) {
    case D3D_REGISTER_COMPONENT_FLOAT32:
        return D3D_MIN_PRECISION_FLOAT_16;
    case D3D_REGISTER_COMPONENT_SINT32:
        return D3D_MIN_PRECISION_SINT_16;
    case D3D_REGISTER_COMPONENT_UINT32:
        return D3D_MIN_PRECISION_UINT_16;
    default:
        return D3D_MIN_PRECISION_DEFAULT;
    }
}

// The signature element of an interface variable, its register still open.
dxbc::SignatureElement ElementOf(const Variable& variable, const ScalarInfo& type) {
    dxbc::SignatureElement element{};
    SplitSemantic(variable.semantic, &element.semanticName, &element.semanticIndex);
    element.componentType = type.componentType;
    element.minPrecision = variable.relaxedPrecision ? SixteenBitPrecision(type.componentType)
                                                     : uint32_t(D3D_MIN_PRECISION_DEFAULT);
    element.mask = uint8_t((1u << std::min<uint32_t>(type.components, 4)) - 1);
    element.stream = variable.stream;
    // A later stream's position is a plain output (only stream 0's reaches
    // the rasteriser) that keeps its system value.
    if (variable.builtIn < 0 && strcasecmp(element.semanticName.c_str(), "SV_Position") == 0) {
        element.semanticName = "SV_Position";
        element.systemValue = D3D_NAME_POSITION;
    }
    for (const SystemValue& value : kSystemValues) {
        if (variable.builtIn >= 0 && value.builtIn == uint32_t(variable.builtIn)) {
            element.systemValue = value.name;
            element.semanticName = value.semantic;
        }
    }
    return element;
}

// glslang splits an array member of a struct into one variable per element,
// named "s.b[1]", each with the member's semantic: element k is the semantic's
// index plus k.
uint32_t FlattenedElementIndex(const std::string& name) {
    if (name.empty() || name.back() != ']') {
        return 0;
    }
    const size_t open = name.rfind('[');
    return open == std::string::npos ? 0
                                     : uint32_t(std::strtoul(name.c_str() + open + 1, nullptr, 10));
}

// Geometry shader inputs, hull shader inputs and outputs and domain shader
// inputs hold one value per vertex of the primitive or patch: the array's
// outer dimension counts vertices, and each element is one signature entry.
bool PerVertex(const EntryInterface& entry, const Variable& variable) {
    constexpr uint32_t kTessellationControl = 1, kTessellationEvaluation = 2, kGeometry = 3;
    const bool output = variable.storage == kStorageOutput;
    switch (entry.model) {
    case kGeometry:
    case kTessellationEvaluation:
        return !output && !variable.patch;
    case kTessellationControl:
        return !variable.patch;
    default:
        return false;
    }
}

// User values keep their locations; system values take the registers after
// them, as fxc places them.
void PlaceElements(EntryInterface& entry, StageSignatures* signatures) {
    uint32_t nextSystemRegister[2] = {0, 0};
    std::vector<std::pair<const Variable*, dxbc::SignatureElement>> systemValues;
    for (uint32_t id : entry.ids) {
        const Variable& variable = entry.variables[id];
        if (variable.storage != kStorageInput && variable.storage != kStorageOutput) {
            continue;
        }
        const bool output = variable.storage == kStorageOutput;
        if (variable.builtIn < 0 && variable.semantic.empty()) {
            signatures->withoutSemantic.push_back(variable.name);
            continue;
        }
        ScalarInfo type = entry.types[entry.pointees[variable.pointerType]];
        if (PerVertex(entry, variable)) {
            type.elements /= type.outerLength;
        }
        dxbc::SignatureElement element = ElementOf(variable, type);
        // Said of every component: outputs all written, inputs all read.
        element.readWriteMask = output ? 0 : element.mask;
        if (variable.builtIn >= 0) {
            systemValues.push_back({&variable, element});
            continue;
        }
        element.registerIndex = uint32_t(std::max<int64_t>(variable.location, 0));
        if (output && strcasecmp(element.semanticName.c_str(), "SV_Target") == 0) {
            element.semanticName = "SV_Target";
            element.systemValue = D3D_NAME_TARGET;
        }
        element.semanticIndex += FlattenedElementIndex(variable.name);
        // "float4 t[2] : TEXCOORD3" is TEXCOORD3 and TEXCOORD4, in registers of their own.
        for (uint32_t i = 0; i < type.elements; ++i) {
            (output ? signatures->outputs : signatures->inputs).push_back(element);
            ++element.semanticIndex;
            ++element.registerIndex;
        }
        nextSystemRegister[output] = std::max(nextSystemRegister[output], element.registerIndex);
    }
    for (auto& [variable, element] : systemValues) {
        const bool output = variable->storage == kStorageOutput;
        element.registerIndex = nextSystemRegister[output]++;
        (output ? signatures->outputs : signatures->inputs).push_back(element);
    }
}

} // namespace

void RemoveSemanticDecorations(std::vector<uint32_t>& spirv) {
    if (spirv.size() < kHeaderWords) {
        return;
    }
    std::vector<uint32_t> kept(spirv.begin(), spirv.begin() + kHeaderWords);
    std::vector<size_t> extensions; // positions in `kept`
    bool extensionStillNeeded = false;
    const bool wellFormed = ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        bool drop = false;
        if ((op == OpDecorateString && count >= 3) ||
            (op == OpMemberDecorateString && count >= 4)) {
            const uint32_t decoration = spirv[at + (op == OpDecorateString ? 2 : 3)];
            drop = decoration == kDecorationUserSemantic || decoration == kDecorationUserType;
            extensionStillNeeded |= !drop;
        } else if (op == OpDecorateId && count >= 3 && spirv[at + 2] == kDecorationCounterBuffer) {
            extensionStillNeeded = true;
        } else if (op == OpExtension &&
                   IsGoogleExtension(ReadLiteralString(spirv, at + 1, at + count))) {
            extensions.push_back(kept.size());
        }
        if (!drop) {
            kept.insert(kept.end(), spirv.begin() + at, spirv.begin() + at + count);
        }
    });
    if (!wellFormed) {
        return; // left to the validator
    }
    if (!extensionStillNeeded) {
        for (auto position = extensions.rbegin(); position != extensions.rend(); ++position) {
            kept.erase(kept.begin() + *position,
                       kept.begin() + *position + (kept[*position] >> 16));
        }
    }
    spirv = std::move(kept);
}

bool ReadStageSignatures(const std::vector<uint32_t>& spirv, StageSignatures* signatures,
                         std::string* error) {
    *signatures = {};
    if (spirv.size() < kHeaderWords || spirv[0] != kMagic) {
        *error = "compiled code is not SPIR-V";
        return false;
    }
    EntryInterface entry;
    if (!ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
            RecordInstruction(spirv, at, op, count, &entry);
        })) {
        *error = "malformed SPIR-V";
        return false;
    }
    PlaceElements(entry, signatures);
    auto byRegister = [](const dxbc::SignatureElement& a, const dxbc::SignatureElement& b) {
        return a.registerIndex < b.registerIndex;
    };
    std::stable_sort(signatures->inputs.begin(), signatures->inputs.end(), byRegister);
    std::stable_sort(signatures->outputs.begin(), signatures->outputs.end(), byRegister);
    return true;
}

} // namespace d3dcompiler_standin
