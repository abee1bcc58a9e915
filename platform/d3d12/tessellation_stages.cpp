#include "tessellation_stages.h"

#include "debug_text.h"

#include <debug_messages.h>
#include <spirv_words.h>

#include <map>
#include <set>

namespace d3d12_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kOpExecutionMode = 16;
constexpr uint32_t kModePointMode = 10;
constexpr uint32_t kModeInputPoints = 19;
constexpr uint32_t kModeInputLinesAdjacency = 21;
constexpr uint32_t kModeInputTrianglesAdjacency = 23;
constexpr uint32_t kModeTriangles = 22;
constexpr uint32_t kModeQuads = 24;
constexpr uint32_t kModeIsolines = 25;
constexpr uint32_t kModeOutputVertices = 26;
constexpr uint32_t kBuiltInTessLevelOuter = 11;
constexpr uint32_t kBuiltInTessLevelInner = 12;

constexpr char kMethod[] = "ID3D12Device::CreateGraphicsPipelineState";

bool HasCode(const D3D12_SHADER_BYTECODE& code) {
    return code.pShaderBytecode != nullptr && code.BytecodeLength > 0;
}

// The words of the declarations ReadPatchShape looks through.
struct Declarations {
    std::vector<uint32_t> inputs;            // Input variables' pointer types
    std::set<uint32_t> perPatch;             // variables decorated Patch or a tess level
    std::map<uint32_t, uint32_t> pointees;   // pointer type -> pointee
    std::map<uint32_t, uint32_t> arrays;     // array type -> its length's constant
    std::map<uint32_t, uint32_t> constants;  // 32-bit constant -> value
    std::map<uint32_t, uint32_t> inputTypes; // Input variable -> pointer type
};

void ReadExecutionMode(const uint32_t* w, uint32_t count, PatchShape* shape) {
    const uint32_t mode = w[2];
    if (mode == kModeTriangles || mode == kModeQuads || mode == kModeIsolines) {
        shape->domain = mode;
    }
    if (mode >= kModeInputPoints && mode <= kModeInputTrianglesAdjacency) {
        shape->geometryInput = mode;
    }
    shape->pointMode |= mode == kModePointMode;
    if (mode == kModeOutputVertices && count >= 4) {
        shape->outputControlPoints = w[3];
    }
}

const char* DomainName(uint32_t mode) {
    return mode == kModeTriangles ? "tri" : mode == kModeQuads ? "quad" : "isoline";
}

D3D12_PRIMITIVE_TOPOLOGY_TYPE TypeOfGeometryInput(uint32_t mode) {
    return mode == kModeInputPoints ? D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT
           : mode == kModeTriangles || mode == kModeInputTrianglesAdjacency
               ? D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE
               : D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE;
}

} // namespace

PatchShape ReadPatchShape(const std::vector<uint32_t>& spirv) {
    PatchShape shape;
    Declarations seen;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &spirv[at];
        if (op == kOpExecutionMode && count >= 3) {
            ReadExecutionMode(w, count, &shape);
        } else if (op == OpTypePointer && count >= 4) {
            seen.pointees[w[1]] = w[3];
        } else if (op == OpTypeArray && count >= 4) {
            seen.arrays[w[1]] = w[3];
        } else if (op == OpConstant && count >= 4) {
            seen.constants[w[2]] = w[3];
        } else if (op == OpVariable && count >= 4 && w[3] == kStorageInput) {
            seen.inputTypes[w[2]] = w[1];
        } else if (op == OpDecorate && count >= 3 &&
                   (w[2] == kDecorationPatch ||
                    (w[2] == kDecorationBuiltIn && count >= 4 &&
                     (w[3] == kBuiltInTessLevelOuter || w[3] == kBuiltInTessLevelInner)))) {
            seen.perPatch.insert(w[1]);
        }
    });
    for (const auto& [variable, pointer] : seen.inputTypes) {
        const auto array = seen.arrays.find(seen.pointees[pointer]);
        if (seen.perPatch.count(variable) == 0 && array != seen.arrays.end()) {
            shape.patchInputs = seen.constants[array->second];
            break;
        }
    }
    return shape;
}

bool ReadsAdjacency(const PatchShape& geometry) {
    return geometry.geometryInput == kModeInputLinesAdjacency ||
           geometry.geometryInput == kModeInputTrianglesAdjacency;
}

D3D12_PRIMITIVE_TOPOLOGY_TYPE TessellatorOutput(const PatchShape& hull) {
    return hull.pointMode                 ? D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT
           : hull.domain == kModeIsolines ? D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE
                                          : D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
}

uint32_t PatchControlPoints(const PatchShape& hull) {
    return hull.patchInputs != 0 ? hull.patchInputs : hull.outputControlPoints;
}

bool CheckTessellationDescription(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                                  std::string* error) {
    using namespace standin::messages;
    const bool hull = HasCode(desc.HS);
    if (hull != HasCode(desc.DS)) {
        standin::ReportWindows(CREATEGRAPHICSPIPELINESTATE_HS_XOR_DS_MISMATCH, nullptr, kMethod,
                               hull ? "Hull Shader" : "Domain Shader",
                               hull ? "Domain Shader" : "Hull Shader");
        *error = "a hull shader and a domain shader must be set together";
        return false;
    }
    const bool patch = desc.PrimitiveTopologyType == D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH;
    if (hull && !patch) {
        standin::ReportWindows(CREATEGRAPHICSPIPELINESTATE_HULL_SHADER_INPUT_TOPOLOGY_MISMATCH,
                               nullptr, kMethod, TopologyTypeName(desc.PrimitiveTopologyType));
        *error = "a pipeline with a hull shader must have the topology type PATCH";
        return false;
    }
    if (patch && !hull) {
        standin::ReportWindows(CREATEGRAPHICSPIPELINESTATE_INVALID_PRIMITIVETOPOLOGY, nullptr,
                               kMethod);
        *error = "the topology type PATCH needs a hull shader";
        return false;
    }
    return true;
}

bool CheckHullAgainstDomain(const PatchShape& hull, const PatchShape& domain, std::string* error) {
    using namespace standin::messages;
    if (hull.domain != 0 && domain.domain != 0 && hull.domain != domain.domain) {
        standin::ReportWindows(CREATEGRAPHICSPIPELINESTATE_HS_DS_TESSELLATOR_DOMAIN_MISMATCH,
                               nullptr, kMethod, DomainName(hull.domain),
                               DomainName(domain.domain));
        *error = "the hull and domain shaders declare different domains";
        return false;
    }
    if (hull.outputControlPoints != 0 && domain.patchInputs != 0 &&
        hull.outputControlPoints != domain.patchInputs) {
        standin::ReportWindows(CREATEGRAPHICSPIPELINESTATE_HS_DS_CONTROL_POINT_COUNT_MISMATCH,
                               nullptr, kMethod, hull.outputControlPoints, domain.patchInputs);
        *error = "the domain shader's patch is not the hull shader's output patch";
        return false;
    }
    return true;
}

bool PrepareTessellationStages(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                               const RootSignatureLayout& rootSignature, PipelineStages* stages,
                               std::string* error) {
    constexpr VkShaderStageFlagBits kHull = VK_SHADER_STAGE_TESSELLATION_CONTROL_BIT;
    constexpr VkShaderStageFlagBits kDomain = VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT;
    if (!PrepareShaderStage(desc.HS, kHull, rootSignature, &stages->hull, error) ||
        !PrepareShaderStage(desc.DS, kDomain, rootSignature, &stages->domain, error)) {
        return false;
    }
    stages->hullShape = ReadPatchShape(stages->hull.spirv);
    return CheckHullAgainstDomain(stages->hullShape, ReadPatchShape(stages->domain.spirv), error) &&
           CheckStageLinkage(stages->vertex, VK_SHADER_STAGE_VERTEX_BIT, stages->hull, kHull,
                             error) &&
           CheckStageLinkage(stages->hull, kHull, stages->domain, kDomain, error);
}

bool CheckGeometryInput(const PatchShape& geometry, D3D12_PRIMITIVE_TOPOLOGY_TYPE type,
                        std::string* error) {
    if (geometry.geometryInput == 0 || type == D3D12_PRIMITIVE_TOPOLOGY_TYPE_UNDEFINED) {
        return true;
    }
    const D3D12_PRIMITIVE_TOPOLOGY_TYPE taken = TypeOfGeometryInput(geometry.geometryInput);
    if (taken == type) {
        return true;
    }
    standin::ReportWindows(
        standin::messages::CREATEGRAPHICSPIPELINESTATE_GS_INPUT_PRIMITIVE_MISMATCH, nullptr,
        kMethod, TopologyTypeName(taken), TopologyTypeName(type));
    *error = "the geometry shader's input primitive is not the topology type's";
    return false;
}

} // namespace d3d12_standin
