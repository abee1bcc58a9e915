// CreateCommandSignature: the description checked as the runtime checks it
// (the Indirect Drawing, CreateCommandSignature and
// D3D12_INDIRECT_ARGUMENT_DESC pages on learn.microsoft.com). Signatures whose
// one argument is a draw, an indexed draw or a dispatch are made; those that
// also change bindings are valid on Windows but not carried by the stand-in.
#include "d3d12_command_signature.h"

#include "d3d12_device.h"
#include "d3d12_root_signature.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12Device::CreateCommandSignature";

// The arguments' layouts are Vulkan's indirect command structures.
static_assert(sizeof(D3D12_DRAW_ARGUMENTS) == sizeof(VkDrawIndirectCommand));
static_assert(offsetof(D3D12_DRAW_ARGUMENTS, VertexCountPerInstance) ==
              offsetof(VkDrawIndirectCommand, vertexCount));
static_assert(offsetof(D3D12_DRAW_ARGUMENTS, InstanceCount) ==
              offsetof(VkDrawIndirectCommand, instanceCount));
static_assert(offsetof(D3D12_DRAW_ARGUMENTS, StartVertexLocation) ==
              offsetof(VkDrawIndirectCommand, firstVertex));
static_assert(offsetof(D3D12_DRAW_ARGUMENTS, StartInstanceLocation) ==
              offsetof(VkDrawIndirectCommand, firstInstance));
static_assert(sizeof(D3D12_DRAW_INDEXED_ARGUMENTS) == sizeof(VkDrawIndexedIndirectCommand));
static_assert(offsetof(D3D12_DRAW_INDEXED_ARGUMENTS, IndexCountPerInstance) ==
              offsetof(VkDrawIndexedIndirectCommand, indexCount));
static_assert(offsetof(D3D12_DRAW_INDEXED_ARGUMENTS, InstanceCount) ==
              offsetof(VkDrawIndexedIndirectCommand, instanceCount));
static_assert(offsetof(D3D12_DRAW_INDEXED_ARGUMENTS, StartIndexLocation) ==
              offsetof(VkDrawIndexedIndirectCommand, firstIndex));
static_assert(offsetof(D3D12_DRAW_INDEXED_ARGUMENTS, BaseVertexLocation) ==
              offsetof(VkDrawIndexedIndirectCommand, vertexOffset));
static_assert(offsetof(D3D12_DRAW_INDEXED_ARGUMENTS, StartInstanceLocation) ==
              offsetof(VkDrawIndexedIndirectCommand, firstInstance));
static_assert(sizeof(D3D12_DISPATCH_ARGUMENTS) == sizeof(VkDispatchIndirectCommand));
static_assert(offsetof(D3D12_DISPATCH_ARGUMENTS, ThreadGroupCountZ) ==
              offsetof(VkDispatchIndirectCommand, z));

bool IsCommand(D3D12_INDIRECT_ARGUMENT_TYPE type) {
    return type == D3D12_INDIRECT_ARGUMENT_TYPE_DRAW ||
           type == D3D12_INDIRECT_ARGUMENT_TYPE_DRAW_INDEXED ||
           type == D3D12_INDIRECT_ARGUMENT_TYPE_DISPATCH;
}

// The bytes an argument takes in each command; 0 for an unknown type.
uint32_t ArgumentSize(const D3D12_INDIRECT_ARGUMENT_DESC& argument) {
    switch (argument.Type) {
    case D3D12_INDIRECT_ARGUMENT_TYPE_DRAW:
        return sizeof(D3D12_DRAW_ARGUMENTS);
    case D3D12_INDIRECT_ARGUMENT_TYPE_DRAW_INDEXED:
        return sizeof(D3D12_DRAW_INDEXED_ARGUMENTS);
    case D3D12_INDIRECT_ARGUMENT_TYPE_DISPATCH:
        return sizeof(D3D12_DISPATCH_ARGUMENTS);
    case D3D12_INDIRECT_ARGUMENT_TYPE_VERTEX_BUFFER_VIEW:
        return sizeof(D3D12_VERTEX_BUFFER_VIEW);
    case D3D12_INDIRECT_ARGUMENT_TYPE_INDEX_BUFFER_VIEW:
        return sizeof(D3D12_INDEX_BUFFER_VIEW);
    case D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT:
        return 4 * argument.Constant.Num32BitValuesToSet;
    case D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT_BUFFER_VIEW:
    case D3D12_INDIRECT_ARGUMENT_TYPE_SHADER_RESOURCE_VIEW:
    case D3D12_INDIRECT_ARGUMENT_TYPE_UNORDERED_ACCESS_VIEW:
        return sizeof(D3D12_GPU_VIRTUAL_ADDRESS);
    default:
        return 0;
    }
}

// The root parameter type an argument that changes root arguments sets.
D3D12_ROOT_PARAMETER_TYPE RootParameterTypeOf(D3D12_INDIRECT_ARGUMENT_TYPE type) {
    switch (type) {
    case D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT:
        return D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS;
    case D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT_BUFFER_VIEW:
        return D3D12_ROOT_PARAMETER_TYPE_CBV;
    case D3D12_INDIRECT_ARGUMENT_TYPE_SHADER_RESOURCE_VIEW:
        return D3D12_ROOT_PARAMETER_TYPE_SRV;
    default:
        return D3D12_ROOT_PARAMETER_TYPE_UAV;
    }
}

bool ChangesRootArguments(D3D12_INDIRECT_ARGUMENT_TYPE type) {
    return type >= D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT &&
           type <= D3D12_INDIRECT_ARGUMENT_TYPE_UNORDERED_ACCESS_VIEW;
}

// Why one argument before the command is invalid, or null.
const char* ArgumentRefusal(const D3D12_INDIRECT_ARGUMENT_DESC& argument,
                            D3D12_INDIRECT_ARGUMENT_TYPE command, const RootSignatureLayout* root) {
    if (argument.Type == D3D12_INDIRECT_ARGUMENT_TYPE_VERTEX_BUFFER_VIEW &&
        argument.VertexBuffer.Slot >= D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT) {
        return "a vertex buffer argument's Slot is 32 or more";
    }
    if (argument.Type == D3D12_INDIRECT_ARGUMENT_TYPE_INDEX_BUFFER_VIEW &&
        command != D3D12_INDIRECT_ARGUMENT_TYPE_DRAW_INDEXED) {
        return "an index buffer argument needs a DRAW_INDEXED command";
    }
    if (argument.Type == D3D12_INDIRECT_ARGUMENT_TYPE_VERTEX_BUFFER_VIEW &&
        command == D3D12_INDIRECT_ARGUMENT_TYPE_DISPATCH) {
        return "a vertex buffer argument needs a draw command";
    }
    if (!ChangesRootArguments(argument.Type)) {
        return nullptr;
    }
    // RootParameterIndex is the first member of each root argument's description.
    const UINT parameter = argument.Constant.RootParameterIndex;
    if (root == nullptr || parameter >= root->parameters.size() ||
        root->parameters[parameter].type != RootParameterTypeOf(argument.Type)) {
        return "a root argument names no root parameter of its type in the root signature";
    }
    return nullptr;
}

// Why `desc` cannot make a signature on Windows, or null.
const char* Refusal(const D3D12_COMMAND_SIGNATURE_DESC& desc, const RootSignatureLayout* root,
                    bool rootGiven) {
    if (desc.NumArgumentDescs == 0 || desc.pArgumentDescs == nullptr) {
        return "it has no arguments";
    }
    const D3D12_INDIRECT_ARGUMENT_DESC* arguments = desc.pArgumentDescs;
    const UINT last = desc.NumArgumentDescs - 1;
    const D3D12_INDIRECT_ARGUMENT_TYPE command = arguments[last].Type;
    if (!IsCommand(command)) {
        return "the last argument must be a DRAW, DRAW_INDEXED or DISPATCH argument";
    }
    uint64_t size = ArgumentSize(arguments[last]);
    bool rootArguments = false;
    for (UINT i = 0; i < last; ++i) {
        if (IsCommand(arguments[i].Type)) {
            return "only one DRAW, DRAW_INDEXED or DISPATCH argument is allowed, and it must be "
                   "last";
        }
        if (ArgumentSize(arguments[i]) == 0 &&
            arguments[i].Type != D3D12_INDIRECT_ARGUMENT_TYPE_CONSTANT) {
            return "an argument's Type is not one the device supports";
        }
        if (const char* reason = ArgumentRefusal(arguments[i], command, root)) {
            return reason;
        }
        rootArguments = rootArguments || ChangesRootArguments(arguments[i].Type);
        size += ArgumentSize(arguments[i]);
    }
    if (desc.ByteStride % 4 != 0 || desc.ByteStride < size) {
        return "ByteStride must be a multiple of 4 and at least the size of the arguments";
    }
    if (desc.NodeMask > 1) {
        return "NodeMask names a node the device does not have";
    }
    if (rootArguments != rootGiven) {
        return rootArguments ? "a signature that changes root arguments needs a root signature"
                             : "the root signature must be null when the signature changes no "
                               "root arguments";
    }
    return nullptr;
}

IndirectKind KindOf(D3D12_INDIRECT_ARGUMENT_TYPE type) {
    return type == D3D12_INDIRECT_ARGUMENT_TYPE_DRAW           ? IndirectKind::Draw
           : type == D3D12_INDIRECT_ARGUMENT_TYPE_DRAW_INDEXED ? IndirectKind::DrawIndexed
                                                               : IndirectKind::Dispatch;
}

} // namespace

uint32_t D3D12CommandSignature::ArgumentsSize() const {
    switch (kind_) {
    case IndirectKind::Draw:
        return sizeof(D3D12_DRAW_ARGUMENTS);
    case IndirectKind::DrawIndexed:
        return sizeof(D3D12_DRAW_INDEXED_ARGUMENTS);
    default:
        return sizeof(D3D12_DISPATCH_ARGUMENTS);
    }
}

bool D3D12CommandSignature::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12CommandSignature;
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateCommandSignature(
    const D3D12_COMMAND_SIGNATURE_DESC* desc, ID3D12RootSignature* rootSignature, REFIID riid,
    void** signature) {
    if (signature != nullptr) {
        *signature = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (desc == nullptr) {
        standin::ReportRefusal("ID3D12Device", "CreateCommandSignature", "no description");
        return E_INVALIDARG;
    }
    D3D12RootSignature* root = D3D12RootSignature::FromInterface(rootSignature);
    if (rootSignature != nullptr && root == nullptr) {
        standin::ReportRefusal("ID3D12Device", "CreateCommandSignature",
                               "not a root signature of this stand-in");
        return E_INVALIDARG;
    }
    if (const char* reason =
            Refusal(*desc, root != nullptr ? root->Layout().get() : nullptr, root != nullptr)) {
        standin::ReportWindows(standin::messages::CREATECOMMANDSIGNATURE_INVALID, nullptr, kMethod,
                               reason);
        return E_INVALIDARG;
    }
    if (desc->NumArgumentDescs > 1) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, kMethod,
                        "command signatures that change bindings (vertex or index buffers, root "
                        "constants or root views) are not supported by the stand-in");
        return E_NOTIMPL;
    }
    const IndirectKind kind = KindOf(desc->pArgumentDescs[0].Type);
    return HandOut(new D3D12CommandSignature(this, kind, desc->ByteStride), riid, signature);
}

} // namespace d3d12_standin
