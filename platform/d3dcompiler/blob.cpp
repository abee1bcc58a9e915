#include "blob.h"

#include "com_object.h"

#include <cstring>
#include <new>

namespace d3dcompiler_standin {
namespace {

class D3DBlob final : public standin::ComObject<ID3D10Blob> {
public:
    explicit D3DBlob(size_t size) : bytes_(size, 0) {}

    LPVOID STDMETHODCALLTYPE GetBufferPointer() override { return bytes_.data(); }
    SIZE_T STDMETHODCALLTYPE GetBufferSize() override { return bytes_.size(); }

    uint8_t* Bytes() { return bytes_.data(); }

protected:
    bool Implements(REFIID riid) const override { return riid == IID_ID3D10Blob; }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace

ID3DBlob* MakeBlob(const void* data, size_t size) {
    D3DBlob* blob = new (std::nothrow) D3DBlob(size);
    if (blob != nullptr && size > 0 && data != nullptr) {
        std::memcpy(blob->Bytes(), data, size);
    }
    return blob;
}

ID3DBlob* MakeBlob(const std::vector<uint8_t>& bytes) {
    return MakeBlob(bytes.data(), bytes.size());
}

ID3DBlob* MakeTextBlob(const std::string& text) {
    return MakeBlob(text.c_str(), text.size() + 1);
}

} // namespace d3dcompiler_standin

EXTERN_C HRESULT WINAPI D3DCreateBlob(SIZE_T Size, ID3DBlob** ppBlob) {
    if (ppBlob == nullptr) {
        return E_INVALIDARG;
    }
    *ppBlob = d3dcompiler_standin::MakeBlob(nullptr, Size);
    return *ppBlob != nullptr ? S_OK : E_OUTOFMEMORY;
}
