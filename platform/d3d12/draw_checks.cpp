#include "draw_checks.h"

#include "debug_text.h"
#include "state_translation.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

using namespace standin::messages;

constexpr const char* kDrawInstanced = "ID3D12CommandList::DrawInstanced";
constexpr const char* kDrawIndexed = "ID3D12CommandList::DrawIndexedInstanced";

D3D12_PRIMITIVE_TOPOLOGY_TYPE TypeOf(D3D12_PRIMITIVE_TOPOLOGY topology) {
    switch (topology) {
    case D3D_PRIMITIVE_TOPOLOGY_POINTLIST:
        return D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT;
    case D3D_PRIMITIVE_TOPOLOGY_LINELIST:
    case D3D_PRIMITIVE_TOPOLOGY_LINESTRIP:
    case D3D_PRIMITIVE_TOPOLOGY_LINELIST_ADJ:
    case D3D_PRIMITIVE_TOPOLOGY_LINESTRIP_ADJ:
        return D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE;
    case D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST:
    case D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP:
    case D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST_ADJ:
    case D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP_ADJ:
        return D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
    default:
        return PatchControlPointsOf(topology) != 0 ? D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH
                                                   : D3D12_PRIMITIVE_TOPOLOGY_TYPE_UNDEFINED;
    }
}

// Tables holding constant buffers or unordered-access views must be set
// before a draw, whether the shaders read them or not.
bool MustBeSet(const RootParameterLayout& parameter) {
    if (parameter.type != D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE) {
        return false;
    }
    for (const TableBinding& binding : parameter.bindings) {
        if (binding.type == VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER ||
            binding.type == VK_DESCRIPTOR_TYPE_STORAGE_BUFFER ||
            binding.type == VK_DESCRIPTOR_TYPE_STORAGE_IMAGE ||
            binding.type == VK_DESCRIPTOR_TYPE_STORAGE_TEXEL_BUFFER) {
            return true;
        }
    }
    return false;
}

void CheckTables(const RecordedDrawState& state, const void* list, const char* draw) {
    const std::vector<RootParameterLayout>& parameters = state.rootSignature->parameters;
    for (uint32_t i = 0; i < parameters.size() && i < state.tablesSet.size(); ++i) {
        if (state.tablesSet[i]) {
            continue;
        }
        const std::string rootSignature =
            ObjectText(state.rootSignatureObject, "", "ID3D12RootSignature");
        if (MustBeSet(parameters[i])) {
            standin::ReportWindows(COMMAND_LIST_DESCRIPTOR_TABLE_NOT_SET, list, draw, i,
                                   rootSignature.c_str());
        } else if (parameters[i].type == D3D12_ROOT_PARAMETER_TYPE_CBV) {
            standin::ReportWindows(COMMAND_LIST_ROOT_CONSTANT_BUFFER_VIEW_NOT_SET, list, draw, i,
                                   rootSignature.c_str());
        } else if (parameters[i].type == D3D12_ROOT_PARAMETER_TYPE_SRV) {
            standin::ReportWindows(COMMAND_LIST_ROOT_SHADER_RESOURCE_VIEW_NOT_SET, list, draw, i,
                                   rootSignature.c_str());
        } else if (parameters[i].type == D3D12_ROOT_PARAMETER_TYPE_UAV) {
            standin::ReportWindows(COMMAND_LIST_ROOT_UNORDERED_ACCESS_VIEW_NOT_SET, list, draw, i,
                                   rootSignature.c_str());
        }
    }
}

void CheckTopology(const RecordedDrawState& state, const void* list, const char* draw) {
    D3D12_PRIMITIVE_TOPOLOGY_TYPE type = TypeOf(state.topology);
    const std::string pipeline = ObjectText(state.pipelineObject, "", "ID3D12PipelineState");
    const uint32_t controlPoints = PatchControlPointsOf(state.topology);
    const uint32_t patch = state.pipeline->recipe.patchControlPoints;
    if (state.topology != D3D_PRIMITIVE_TOPOLOGY_UNDEFINED &&
        type != state.pipeline->topologyType) {
        standin::ReportWindows(PRIMITIVE_TOPOLOGY_MISMATCH_PIPELINE_STATE, list, draw,
                               TopologyName(state.topology),
                               TopologyTypeName(state.pipeline->topologyType), pipeline.c_str());
    } else if (controlPoints != 0 && controlPoints != patch) {
        standin::ReportWindows(PATCH_CONTROL_POINT_COUNT_MISMATCH, list, draw,
                               TopologyName(state.topology), controlPoints, pipeline.c_str(),
                               patch);
    }
}

} // namespace

void CheckDispatchState(const RecordedDrawState& arguments, bool pipelineSet, const void* list,
                        const char* method) {
    const char* call = method != nullptr ? method : "ID3D12CommandList::Dispatch";
    if (arguments.rootSignature == nullptr) {
        standin::ReportWindows(COMMAND_LIST_DISPATCH_ROOT_SIGNATURE_NOT_SET, list, call);
    } else {
        CheckTables(arguments, list, call);
    }
    if (!pipelineSet) {
        standin::ReportWindows(COMMAND_LIST_PIPELINE_STATE_NOT_SET, list, call);
    }
}

bool ScissorIsEmpty(const std::vector<D3D12_RECT>& scissors, uint32_t viewport) {
    return viewport >= scissors.size() || scissors[viewport].right <= scissors[viewport].left ||
           scissors[viewport].bottom <= scissors[viewport].top;
}

void CheckDrawState(const RecordedDrawState& state, const void* list, bool indexed,
                    const char* method) {
    const char* draw = method != nullptr ? method : indexed ? kDrawIndexed : kDrawInstanced;
    if (state.rootSignature == nullptr) {
        standin::ReportWindows(COMMAND_LIST_DRAW_ROOT_SIGNATURE_NOT_SET, list, draw);
    } else {
        CheckTables(state, list, draw);
    }
    if (state.pipeline == nullptr) {
        standin::ReportWindows(COMMAND_LIST_PIPELINE_STATE_NOT_SET, list, draw);
    } else {
        CheckTopology(state, list, draw);
    }
    for (uint32_t i = 0; i < state.viewports; ++i) {
        if (ScissorIsEmpty(state.scissors, i)) {
            standin::ReportWindows(DRAW_EMPTY_SCISSOR_RECTANGLE, list, draw, i);
        }
    }
    if (indexed && !state.indexBufferSet) {
        standin::ReportWindows(COMMAND_LIST_DRAW_INDEX_BUFFER_NOT_SET, list, draw);
    }
}

} // namespace d3d12_standin
