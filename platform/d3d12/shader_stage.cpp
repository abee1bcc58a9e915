#include "shader_stage.h"

#include <debug_messages.h>
#include <dxbc_container.h>
#include <spirv_bindings.h>
#include <spirv_resources.h>

#include <d3dcommon.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <strings.h>

namespace d3d12_standin {
namespace {

constexpr uint32_t kSpirvMagic = 0x07230203;
constexpr uint32_t kOpEntryPoint = 15;

// The name of the first entry point of the stage's execution model.
bool FindEntryPoint(const std::vector<uint32_t>& spirv, VkShaderStageFlagBits stage,
                    std::string* name) {
    // SPIR-V execution models: Vertex 0, TessellationControl 1,
    // TessellationEvaluation 2, Geometry 3, Fragment 4, GLCompute 5.
    uint32_t wantedModel = stage == VK_SHADER_STAGE_VERTEX_BIT                    ? 0
                           : stage == VK_SHADER_STAGE_TESSELLATION_CONTROL_BIT    ? 1
                           : stage == VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT ? 2
                           : stage == VK_SHADER_STAGE_GEOMETRY_BIT                ? 3
                           : stage == VK_SHADER_STAGE_COMPUTE_BIT                 ? 5
                                                                                  : 4;
    size_t at = 5;
    while (at < spirv.size()) {
        uint32_t wordCount = spirv[at] >> 16;
        uint32_t opcode = spirv[at] & 0xFFFF;
        if (wordCount == 0 || at + wordCount > spirv.size()) {
            return false;
        }
        if (opcode == kOpEntryPoint && wordCount >= 4 && spirv[at + 1] == wantedModel) {
            const char* text = reinterpret_cast<const char*>(&spirv[at + 3]);
            size_t limit = (wordCount - 3) * 4;
            *name = std::string(text, strnlen(text, limit));
            return true;
        }
        at += wordCount;
    }
    return false;
}

constexpr uint32_t kOpVariable = 59;
constexpr uint32_t kOpDecorate = 71;
constexpr uint32_t kDecorationBuiltIn = 11;
constexpr uint32_t kDecorationLocation = 30;
constexpr uint32_t kBuiltInPosition = 0;
constexpr uint32_t kBuiltInFragCoord = 15;
constexpr uint32_t kStorageInput = 1;
constexpr uint32_t kStorageOutput = 3;

struct InterfaceVariable {
    uint32_t storage = 0;
    int64_t location = -1;
    int64_t builtIn = -1;
};

// The entry point's interface variables of one storage class, in the order
// the compiler lists them: the order they are declared in.
std::vector<InterfaceVariable> Interface(const std::vector<uint32_t>& spirv, uint32_t storage) {
    std::vector<uint32_t> ids;
    std::map<uint32_t, InterfaceVariable> variables;
    for (size_t at = 5; at < spirv.size();) {
        const uint32_t count = spirv[at] >> 16;
        const uint32_t op = spirv[at] & 0xFFFF;
        if (count == 0 || at + count > spirv.size()) {
            break;
        }
        const uint32_t* w = &spirv[at];
        if (op == kOpEntryPoint && ids.empty() && count > 3) {
            size_t name = at + 3;
            while (name < at + count && (spirv[name] >> 24) != 0) {
                ++name;
            }
            ids.assign(spirv.begin() + std::min(name + 1, at + count), spirv.begin() + at + count);
        } else if (op == kOpVariable && count >= 4) {
            variables[w[2]].storage = w[3];
        } else if (op == kOpDecorate && count >= 4 && w[2] == kDecorationLocation) {
            variables[w[1]].location = w[3];
        } else if (op == kOpDecorate && count >= 4 && w[2] == kDecorationBuiltIn) {
            variables[w[1]].builtIn = w[3];
        }
        at += count;
    }
    std::vector<InterfaceVariable> list;
    for (uint32_t id : ids) {
        if (variables[id].storage == storage) {
            list.push_back(variables[id]);
        }
    }
    return list;
}

// The register SV_Position takes among the stage's elements, numbered in
// declaration order as the compiler numbers them: the user values around it
// tell, by their locations. -1 without one, or when a neighbour was dropped
// as unread and the register cannot be told.
int64_t PositionRegister(const std::vector<uint32_t>& spirv, uint32_t storage) {
    const std::vector<InterfaceVariable> list = Interface(spirv, storage);
    size_t position = 0;
    while (position < list.size() && list[position].builtIn != kBuiltInPosition &&
           list[position].builtIn != kBuiltInFragCoord) {
        ++position;
    }
    if (position == list.size()) {
        return -1;
    }
    int64_t after = -1;  // one past the last user value declared before it
    int64_t before = -1; // the first user value declared after it
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].location < 0) {
            continue;
        }
        if (i < position) {
            after = std::max(after, list[i].location);
        } else if (before < 0) {
            before = list[i].location;
        }
    }
    const int64_t lower = after + 1;
    return before < 0 || before == lower ? lower : -1;
}

constexpr char kMethod[] = "ID3D12Device::CreateGraphicsPipelineState";
constexpr char kIncompatible[] = " linkage error: Signatures between stages are incompatible.";
constexpr char kStagesIncompatible[] = " linkage error: Stages are incompatible with each other.";

bool SameSemantic(const dxbc::SignatureElement& a, const dxbc::SignatureElement& b) {
    return strcasecmp(a.semanticName.c_str(), b.semanticName.c_str()) == 0 &&
           a.semanticIndex == b.semanticIndex;
}

// How an output found for an input can still fail it, in the order the
// debug layer checks.
struct LinkMismatch {
    const standin::MessageKind* kind;
    const char* opening;
    bool (*differs)(const dxbc::SignatureElement& output, const dxbc::SignatureElement& input);
};

const LinkMismatch kLinkMismatches[] = {
    {&standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_REGISTERINDEX, kIncompatible,
     [](const dxbc::SignatureElement& output, const dxbc::SignatureElement& input) {
         return output.registerIndex != input.registerIndex;
     }},
    {&standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_COMPONENTTYPE, kIncompatible,
     [](const dxbc::SignatureElement& output, const dxbc::SignatureElement& input) {
         return output.componentType != input.componentType;
     }},
    {&standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_REGISTERMASK, kIncompatible,
     [](const dxbc::SignatureElement& output, const dxbc::SignatureElement& input) {
         return (input.mask & ~output.mask) != 0;
     }},
    // An output of the input's name read as another system value.
    {&standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_SYSTEMVALUE, kIncompatible,
     [](const dxbc::SignatureElement& output, const dxbc::SignatureElement& input) {
         return output.systemValue != input.systemValue;
     }},
    // Components the output signature says are never written, which the
    // input signature says are always read.
    {&standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_NEVERWRITTEN_ALWAYSREADS,
     kStagesIncompatible,
     [](const dxbc::SignatureElement& output, const dxbc::SignatureElement& input) {
         return (input.readWriteMask & output.readWriteMask) != 0;
     }},
    {&standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_MINPRECISION, kIncompatible,
     [](const dxbc::SignatureElement& output, const dxbc::SignatureElement& input) {
         return output.minPrecision != input.minPrecision;
     }},
};

// The one input's verdict: false, with the debug layer's line printed;
// `stages` names the pair ("Vertex Shader - Pixel Shader").
bool CheckInput(const std::vector<dxbc::SignatureElement>& written,
                const dxbc::SignatureElement& input, const std::string& stages) {
    const char* name = input.semanticName.c_str();
    const dxbc::SignatureElement* output = nullptr;
    // An output of the same semantic, one that is not a system value first;
    // of a geometry shader's streams, stream 0 reaches the next stage.
    for (const dxbc::SignatureElement& candidate : written) {
        if (candidate.stream == 0 && SameSemantic(candidate, input) &&
            (output == nullptr || candidate.systemValue == 0)) {
            output = &candidate;
        }
    }
    if (output == nullptr) {
        standin::ReportWindows(
            standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_SEMANTICNAME_NOT_FOUND,
            nullptr, kMethod, (stages + kIncompatible).c_str(), name, input.semanticIndex);
        return false;
    }
    for (const LinkMismatch& mismatch : kLinkMismatches) {
        if (mismatch.differs(*output, input)) {
            standin::ReportWindows(*mismatch.kind, nullptr, kMethod,
                                   (stages + mismatch.opening).c_str(), name);
            return false;
        }
    }
    return true;
}

std::string LowerCase(std::string text) {
    for (char& c : text) {
        c = char(tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

const char* StageTitle(VkShaderStageFlagBits stage) {
    switch (stage) {
    case VK_SHADER_STAGE_VERTEX_BIT:
        return "Vertex Shader";
    case VK_SHADER_STAGE_GEOMETRY_BIT:
        return "Geometry Shader";
    case VK_SHADER_STAGE_TESSELLATION_CONTROL_BIT:
        return "Hull Shader";
    case VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT:
        return "Domain Shader";
    default:
        return "Pixel Shader";
    }
}

bool CheckStageLinkage(const ShaderStage& upstream, VkShaderStageFlagBits upstreamStage,
                       const ShaderStage& downstream, VkShaderStageFlagBits downstreamStage,
                       std::string* error) {
    const std::string stages =
        std::string(StageTitle(upstreamStage)) + " - " + StageTitle(downstreamStage);
    const std::string failure = "the " + LowerCase(StageTitle(downstreamStage)) +
                                "'s inputs do not link with the " +
                                LowerCase(StageTitle(upstreamStage)) + "'s outputs (";
    const int64_t written = PositionRegister(upstream.spirv, kStorageOutput);
    const int64_t read = PositionRegister(downstream.spirv, kStorageInput);
    if (written >= 0 && read >= 0 && written != read) {
        standin::ReportWindows(
            standin::messages::CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_REGISTERINDEX, nullptr,
            kMethod, (stages + kIncompatible).c_str(), "SV_Position");
        *error = failure + "SV_Position)";
        return false;
    }
    for (const dxbc::SignatureElement& input : downstream.inputs) {
        // System values (SV_Position, SV_IsFrontFace, ...) are not matched here,
        // nor those the stage is given rather than read (SV_GSInstanceID).
        if (input.systemValue != 0 || strncasecmp(input.semanticName.c_str(), "SV_", 3) == 0) {
            continue;
        }
        if (!CheckInput(upstream.outputs, input, stages)) {
            *error = failure + input.semanticName + std::to_string(input.semanticIndex) + ")";
            return false;
        }
    }
    return true;
}

std::vector<uint8_t> EmbeddedRootSignature(const D3D12_SHADER_BYTECODE& code) {
    std::vector<dxbc::ChunkView> chunks;
    if (code.pShaderBytecode == nullptr || code.BytecodeLength == 0 ||
        !dxbc::ReadContainer(code.pShaderBytecode, code.BytecodeLength, &chunks, nullptr)) {
        return {};
    }
    const dxbc::ChunkView* chunk = dxbc::FindChunk(chunks, dxbc::kRootSignatureChunk);
    if (chunk == nullptr) {
        return {};
    }
    return std::vector<uint8_t>(chunk->data, chunk->data + chunk->size);
}

bool PrepareShaderStage(const D3D12_SHADER_BYTECODE& code, VkShaderStageFlagBits stage,
                        const RootSignatureLayout& layout, ShaderStage* out, std::string* error) {
    std::vector<dxbc::ChunkView> chunks;
    std::string reason;
    if (!dxbc::ReadContainer(code.pShaderBytecode, code.BytecodeLength, &chunks, &reason)) {
        *error = "the shader byte code is not a valid container: " + reason;
        return false;
    }
    const dxbc::ChunkView* spirv = dxbc::FindChunk(chunks, dxbc::kSpirvChunk);
    if (spirv == nullptr || spirv->size < 20 || spirv->size % 4 != 0) {
        *error = "the shader byte code holds no SPIR-V";
        return false;
    }
    out->spirv.resize(spirv->size / 4);
    std::memcpy(out->spirv.data(), spirv->data, spirv->size);
    if (out->spirv[0] != kSpirvMagic) {
        *error = "the shader's SPIR-V chunk has a bad magic number";
        return false;
    }
    if (!FindEntryPoint(out->spirv, stage, &out->entryPoint)) {
        *error = "the shader has no entry point for its stage";
        return false;
    }
    if (const dxbc::ChunkView* inputs = dxbc::FindSignatureChunk(chunks, false)) {
        if (!dxbc::ReadSignature(*inputs, &out->inputs, &reason)) {
            *error = "bad input signature: " + reason;
            return false;
        }
    }
    if (const dxbc::ChunkView* outputs = dxbc::FindSignatureChunk(chunks, true)) {
        out->hasOutputSignature = true;
        if (!dxbc::ReadSignature(*outputs, &out->outputs, &reason)) {
            *error = "bad output signature: " + reason;
            return false;
        }
    }
    if (!dxbc::ForgetStorageImageFormats(out->spirv,
                                         layout.context->features.storageReadWithoutFormat)) {
        *error = "the shader loads from a typed unordered-access view of more than one 32-bit "
                 "component, which needs TypedUAVLoadAdditionalFormats, and the device does not "
                 "offer it";
        return false;
    }
    const std::map<uint32_t, dxbc::ResourceShape> shapes = dxbc::ResourceShapes(out->spirv);
    std::string remapError;
    bool remapped = dxbc::RemapSpirvBindings(
        out->spirv,
        [&](uint32_t object, uint32_t set, uint32_t binding, uint32_t* newSet,
            uint32_t* newBinding) {
            auto shape = shapes.find(object);
            return layout.Remap(stage, set, binding,
                                shape != shapes.end() ? shape->second : dxbc::ResourceShape::Plain,
                                newSet, newBinding, &remapError);
        },
        &reason);
    if (!remapped) {
        *error =
            remapError.empty() ? "SPIR-V bindings could not be rewritten: " + reason : remapError;
        return false;
    }
    return true;
}

} // namespace d3d12_standin
