// D3DGetBlobPart: pieces of a compiled shader's container.
#include "blob.h"
#include "com_object.h"

#include <dxbc_container.h>
#include <signature.h>

#include <cstdio>

namespace {

using d3dcompiler_standin::MakeBlob;

// A container of the input signature, the output signature or both, each in
// the form the shader has it.
HRESULT SignatureContainer(const std::vector<dxbc::ChunkView>& chunks, std::vector<bool> outputs,
                           ID3DBlob** part) {
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> selected;
    for (bool output : outputs) {
        const dxbc::ChunkView* chunk = dxbc::FindSignatureChunk(chunks, output);
        if (chunk == nullptr) {
            return E_FAIL;
        }
        selected.push_back(
            {chunk->fourcc, std::vector<uint8_t>(chunk->data, chunk->data + chunk->size)});
    }
    *part = MakeBlob(dxbc::WriteContainer(selected));
    return *part != nullptr ? S_OK : E_OUTOFMEMORY;
}

} // namespace

EXTERN_C HRESULT WINAPI D3DGetBlobPart(LPCVOID pSrcData, SIZE_T SrcDataSize, D3D_BLOB_PART Part,
                                       UINT Flags, ID3DBlob** ppPart) {
    if (ppPart == nullptr) {
        return E_INVALIDARG;
    }
    *ppPart = nullptr;
    if (pSrcData == nullptr || Flags != 0) {
        return E_INVALIDARG;
    }
    std::vector<dxbc::ChunkView> chunks;
    std::string error;
    if (!dxbc::ReadContainer(pSrcData, SrcDataSize, &chunks, &error)) {
        std::fprintf(stderr, "D3DGetBlobPart: %s\n", error.c_str());
        return E_FAIL;
    }
    switch (Part) {
    case D3D_BLOB_ROOT_SIGNATURE: {
        const dxbc::ChunkView* chunk = dxbc::FindChunk(chunks, dxbc::kRootSignatureChunk);
        if (chunk == nullptr) {
            return E_FAIL;
        }
        *ppPart = MakeBlob(chunk->data, chunk->size);
        return *ppPart != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    case D3D_BLOB_INPUT_SIGNATURE_BLOB:
        return SignatureContainer(chunks, {false}, ppPart);
    case D3D_BLOB_OUTPUT_SIGNATURE_BLOB:
        return SignatureContainer(chunks, {true}, ppPart);
    case D3D_BLOB_INPUT_AND_OUTPUT_SIGNATURE_BLOB:
        return SignatureContainer(chunks, {false, true}, ppPart);
    default:
        STANDIN_NOT_IMPLEMENTED("D3DGetBlobPart (parts other than signatures and root signature)");
        return E_NOTIMPL;
    }
}
