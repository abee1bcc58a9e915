// ID3D12GraphicsCommandList methods the system never calls.
#include "d3d12_command_list.h"

namespace d3d12_standin {

void STDMETHODCALLTYPE D3D12GraphicsCommandList::CopyTiles(ID3D12Resource*,
                                                           const D3D12_TILED_RESOURCE_COORDINATE*,
                                                           const D3D12_TILE_REGION_SIZE*,
                                                           ID3D12Resource*, UINT64,
                                                           D3D12_TILE_COPY_FLAGS) {
    STANDIN_NOT_IMPLEMENTED("ID3D12GraphicsCommandList::CopyTiles");
}
void STDMETHODCALLTYPE D3D12GraphicsCommandList::ExecuteBundle(ID3D12GraphicsCommandList*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12GraphicsCommandList::ExecuteBundle");
}
void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetPredication(ID3D12Resource*, UINT64,
                                                                D3D12_PREDICATION_OP) {
    STANDIN_NOT_IMPLEMENTED("ID3D12GraphicsCommandList::SetPredication");
}

} // namespace d3d12_standin
