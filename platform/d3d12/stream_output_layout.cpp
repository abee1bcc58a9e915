#include "stream_output.h"

#include <debug_messages.h>

#include <bit>
#include <strings.h>

namespace d3d12_standin {
namespace {

namespace msg = standin::messages;
constexpr char kMethod[] = "ID3D12Device::CreateGraphicsPipelineState";
constexpr uint32_t kMaxEntries = D3D12_SO_STREAM_COUNT * D3D12_SO_OUTPUT_COMPONENT_COUNT;

// The counts and arrays of the description itself.
bool CheckCounts(const D3D12_STREAM_OUTPUT_DESC& desc, std::string* error) {
    if (desc.pSODeclaration == nullptr || desc.NumEntries > kMaxEntries) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDNUMENTRIES, nullptr,
                               kMethod, desc.NumEntries, kMaxEntries);
        *error = "the stream-output declaration's NumEntries is invalid";
        return false;
    }
    if ((desc.NumStrides > 0 && desc.pBufferStrides == nullptr) ||
        desc.NumStrides > D3D12_SO_BUFFER_SLOT_COUNT) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDNUMSTRIDES, nullptr,
                               kMethod, desc.NumStrides, D3D12_SO_BUFFER_SLOT_COUNT);
        *error = "the stream-output declaration's NumStrides is invalid";
        return false;
    }
    const bool rasterizes = desc.RasterizedStream != D3D12_SO_NO_RASTERIZED_STREAM;
    if (rasterizes && desc.RasterizedStream >= D3D12_SO_STREAM_COUNT) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDSTREAMTORASTERIZER,
                               nullptr, kMethod, desc.RasterizedStream,
                               "it must be below 4, or D3D12_SO_NO_RASTERIZED_STREAM");
        *error = "RasterizedStream is invalid";
        return false;
    }
    return true;
}

// Stream, slot and component ranges of one entry.
bool CheckEntryRanges(const D3D12_SO_DECLARATION_ENTRY& entry, uint32_t index, std::string* error) {
    if (entry.Stream >= D3D12_SO_STREAM_COUNT) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDSTREAM, nullptr,
                               kMethod, index, entry.Stream, D3D12_SO_STREAM_COUNT - 1);
    } else if (entry.OutputSlot >= D3D12_SO_BUFFER_SLOT_COUNT) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSLOT, nullptr,
                               kMethod, index, unsigned(entry.OutputSlot), "which must be 0 to 3");
    } else if (entry.ComponentCount == 0 ||
               (entry.SemanticName != nullptr && entry.ComponentCount > 4)) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDCOMPONENTCOUNT,
                               nullptr, kMethod, index, unsigned(entry.ComponentCount),
                               entry.SemanticName != nullptr
                                   ? "which must be 1 to 4"
                                   : "which must be at least 1 for a gap");
    } else if (entry.SemanticName != nullptr && entry.StartComponent + entry.ComponentCount > 4) {
        standin::ReportWindows(
            msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDSTARTCOMPONENTANDCOMPONENTCOUNT,
            nullptr, kMethod, index, unsigned(entry.StartComponent),
            unsigned(entry.ComponentCount));
    } else {
        return true;
    }
    *error = "stream-output entry " + std::to_string(index) + " is out of range";
    return false;
}

const dxbc::SignatureElement* FindOutput(const ShaderStage& stage, const char* name, uint32_t index,
                                         uint32_t stream) {
    for (const dxbc::SignatureElement& output : stage.outputs) {
        if (strcasecmp(output.semanticName.c_str(), name) == 0 && output.semanticIndex == index &&
            output.stream == stream) {
            return &output;
        }
    }
    return nullptr;
}

// Components already written, per stream, by semantic and index.
struct WrittenComponents {
    std::vector<std::pair<const dxbc::SignatureElement*, uint32_t>> masks[D3D12_SO_STREAM_COUNT];
    // False where any of `mask` was written before; notes it written.
    bool Note(uint32_t stream, const dxbc::SignatureElement* output, uint32_t mask) {
        for (auto& [element, written] : masks[stream]) {
            if (element == output) {
                const bool fresh = (written & mask) == 0;
                written |= mask;
                return fresh;
            }
        }
        masks[stream].push_back({output, mask});
        return true;
    }
};

// The capture of one entry that names a semantic, checked against the
// stage's outputs.
bool CaptureEntry(const D3D12_SO_DECLARATION_ENTRY& entry, uint32_t index, const ShaderStage& last,
                  VkShaderStageFlagBits stage, WrittenComponents* written,
                  StreamOutputCapture* capture, std::string* error) {
    const dxbc::SignatureElement* output =
        FindOutput(last, entry.SemanticName, entry.SemanticIndex, entry.Stream);
    const bool position = output != nullptr && output->systemValue == D3D_NAME_POSITION;
    if (output == nullptr || (output->systemValue != 0 && !position)) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_MISSINGSEMANTIC, nullptr,
                               kMethod, index, entry.SemanticName, entry.SemanticIndex,
                               entry.Stream, StageTitle(stage));
        *error = std::string("stream output names ") + entry.SemanticName +
                 std::to_string(entry.SemanticIndex) + ", which the shader does not output";
        return false;
    }
    const uint32_t mask = ((1u << entry.ComponentCount) - 1) << entry.StartComponent;
    const auto* message = (mask & ~uint32_t(output->mask)) != 0
                              ? &msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_MASKMISMATCH
                          : !written->Note(entry.Stream, output, mask)
                              ? &msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_REPEATEDOUTPUT
                              : nullptr;
    if (message != nullptr) {
        standin::ReportWindows(*message, nullptr, kMethod, index, entry.SemanticName,
                               entry.SemanticIndex);
        *error =
            "stream-output entry " + std::to_string(index) + " outputs components " + "it may not";
        return false;
    }
    capture->stream = entry.Stream;
    // A later stream's position is an output of the shader's own, not the built-in.
    capture->position = position && entry.Stream == 0;
    capture->location = output->registerIndex;
    capture->firstComponent = entry.StartComponent - std::countr_zero(unsigned(output->mask));
    capture->componentCount = entry.ComponentCount;
    capture->slot = entry.OutputSlot;
    return true;
}

// Each slot's stride: given, a multiple of 4 up to 2048, and holding what
// is declared into the slot.
bool CheckStrides(const D3D12_STREAM_OUTPUT_DESC& desc, const uint32_t* used,
                  StreamOutputPlan* plan, std::string* error) {
    for (uint32_t slot = 0; slot < D3D12_SO_BUFFER_SLOT_COUNT; ++slot) {
        const uint32_t stride = slot < desc.NumStrides ? desc.pBufferStrides[slot] : 0;
        const char* problem = nullptr;
        if (used[slot] > 0 && stride == 0) {
            problem = "the slot has entries, so it needs a stride";
        } else if (stride % 4 != 0 || stride > D3D12_SO_BUFFER_MAX_STRIDE_IN_BYTES) {
            problem = "a stride must be a multiple of 4 and at most 2048";
        } else if (stride < used[slot]) {
            problem = "it is smaller than the entries declared into the slot";
        }
        if (problem != nullptr) {
            standin::ReportWindows(
                msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSTREAMSTRIDE, nullptr,
                kMethod, slot, stride, problem);
            *error = "the stride of stream-output slot " + std::to_string(slot) + " is invalid";
            return false;
        }
        plan->strides[slot] = stride;
    }
    return true;
}

// Every entry of one slot belongs to one stream.
bool CheckSlotStream(const D3D12_SO_DECLARATION_ENTRY& entry, uint32_t index, int* slotStream,
                     std::string* error) {
    int& stream = slotStream[entry.OutputSlot];
    if (stream < 0 || stream == int(entry.Stream)) {
        stream = int(entry.Stream);
        return true;
    }
    standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_INVALIDOUTPUTSLOT, nullptr,
                           kMethod, index, unsigned(entry.OutputSlot),
                           "which entries of another stream already write");
    *error = "a stream-output slot is written from two streams";
    return false;
}

} // namespace

bool PlanStreamOutput(const D3D12_STREAM_OUTPUT_DESC& desc, const ShaderStage& last,
                      VkShaderStageFlagBits lastStage, StreamOutputPlan* plan, std::string* error) {
    if (!CheckCounts(desc, error)) {
        return false;
    }
    if (!last.hasOutputSignature) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_MISSINGOUTPUTSIGNATURE,
                               nullptr, kMethod, StageTitle(lastStage));
        *error = "the shader before the rasteriser has no output signature";
        return false;
    }
    uint32_t used[D3D12_SO_BUFFER_SLOT_COUNT] = {};
    int slotStream[D3D12_SO_BUFFER_SLOT_COUNT] = {-1, -1, -1, -1};
    WrittenComponents written;
    for (uint32_t i = 0; i < desc.NumEntries; ++i) {
        const D3D12_SO_DECLARATION_ENTRY& entry = desc.pSODeclaration[i];
        if (!CheckEntryRanges(entry, i, error) || !CheckSlotStream(entry, i, slotStream, error)) {
            return false;
        }
        if (entry.SemanticName != nullptr) {
            StreamOutputCapture capture;
            if (!CaptureEntry(entry, i, last, lastStage, &written, &capture, error)) {
                return false;
            }
            capture.offset = used[entry.OutputSlot];
            plan->captures.push_back(capture);
        }
        used[entry.OutputSlot] += 4u * entry.ComponentCount;
    }
    if (plan->captures.empty()) {
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_CANTHAVEONLYGAPS, nullptr,
                               kMethod);
        *error = "the stream-output declaration has only gaps";
        return false;
    }
    plan->rasterizedStream = desc.RasterizedStream;
    return CheckStrides(desc, used, plan, error);
}

// A geometry shader that writes streams past 0 needs the device's geometry
// streams; of its streams, only 0 is drawn (the others' positions are plain
// outputs), so a pipeline drawing another that the shader writes is refused.
bool CheckGeometryStreams(const D3D12_STREAM_OUTPUT_DESC& desc,
                          const vk_core::VulkanContext& context, const ShaderStage& geometry,
                          bool planned, std::string* error) {
    bool laterStreams = false, rasterizedWritten = false;
    for (const dxbc::SignatureElement& output : geometry.outputs) {
        laterStreams |= output.stream != 0;
        rasterizedWritten |= output.stream == desc.RasterizedStream;
    }
    if (!planned && laterStreams &&
        (!context.features.transformFeedback || !context.features.geometryStreams)) {
        *error = "the device has no geometry streams, which a geometry shader writing streams "
                 "past 0 needs";
        return false;
    }
    if (planned && desc.RasterizedStream != 0 && rasterizedWritten) {
        *error = "drawing a geometry shader's stream other than 0 is not carried out";
        return false;
    }
    return true;
}

bool PrepareStreamOutput(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                         const vk_core::VulkanContext& context, ShaderStage* last,
                         VkShaderStageFlagBits lastStage, StreamOutputPlan* plan,
                         std::string* error) {
    const D3D12_STREAM_OUTPUT_DESC& streamOutput = desc.StreamOutput;
    const bool geometry = lastStage == VK_SHADER_STAGE_GEOMETRY_BIT;
    if (geometry && !CheckGeometryStreams(streamOutput, context, *last, false, error)) {
        return false;
    }
    if (streamOutput.NumEntries == 0) {
        if (streamOutput.NumStrides == 0) {
            return true;
        }
        standin::ReportWindows(msg::CREATEGEOMETRYSHADERWITHSTREAMOUTPUT_UNEXPECTEDSTRIDES, nullptr,
                               kMethod, streamOutput.NumStrides);
        *error = "stream-output strides are given without entries";
        return false;
    }
    if (!context.features.transformFeedback) {
        *error = "the device has no transform feedback, which stream output needs";
        return false;
    }
    return PlanStreamOutput(streamOutput, *last, lastStage, plan, error) &&
           (!geometry || CheckGeometryStreams(streamOutput, context, *last, true, error)) &&
           AddStreamOutput(&last->spirv, *plan, lastStage, error);
}

} // namespace d3d12_standin
