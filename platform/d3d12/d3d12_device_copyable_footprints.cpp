// GetCopyableFootprints: how textures lay out in buffers for copies. Rows (of
// texels, or of 4x4 blocks) are 256-byte aligned, subresources 512-byte aligned.
#include "d3d12_device.h"

#include "format_table.h"

#include <cstring>

namespace d3d12_standin {
namespace {

uint64_t AlignUp(uint64_t value, uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

void FillInvalid(UINT count, D3D12_PLACED_SUBRESOURCE_FOOTPRINT* layouts, UINT* numRows,
                 UINT64* rowSizes, UINT64* totalBytes) {
    if (layouts != nullptr) {
        std::memset(layouts, 0xFF, sizeof(*layouts) * count);
    }
    if (numRows != nullptr) {
        std::memset(numRows, 0xFF, sizeof(*numRows) * count);
    }
    if (rowSizes != nullptr) {
        std::memset(rowSizes, 0xFF, sizeof(*rowSizes) * count);
    }
    if (totalBytes != nullptr) {
        *totalBytes = UINT64_MAX;
    }
}

// A buffer has one subresource, laid out as one row.
void BufferFootprint(const D3D12_RESOURCE_DESC& desc, UINT firstSubresource, UINT numSubresources,
                     UINT64 baseOffset, D3D12_PLACED_SUBRESOURCE_FOOTPRINT* layouts, UINT* numRows,
                     UINT64* rowSizes, UINT64* totalBytes) {
    if (firstSubresource != 0 || numSubresources > 1) {
        FillInvalid(numSubresources, layouts, numRows, rowSizes, totalBytes);
        return;
    }
    if (numSubresources == 1) {
        if (layouts != nullptr) {
            layouts[0] = {baseOffset,
                          {DXGI_FORMAT_UNKNOWN, UINT(desc.Width), 1, 1,
                           UINT(AlignUp(desc.Width, D3D12_TEXTURE_DATA_PITCH_ALIGNMENT))}};
        }
        if (numRows != nullptr) {
            numRows[0] = 1;
        }
        if (rowSizes != nullptr) {
            rowSizes[0] = desc.Width;
        }
    }
    if (totalBytes != nullptr) {
        *totalBytes = numSubresources == 1 ? desc.Width : 0;
    }
}

} // namespace

void STDMETHODCALLTYPE D3D12Device::GetCopyableFootprints(
    const D3D12_RESOURCE_DESC* desc, UINT firstSubresource, UINT numSubresources, UINT64 baseOffset,
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT* layouts, UINT* numRows, UINT64* rowSizes,
    UINT64* totalBytes) {
    if (desc == nullptr) {
        FillInvalid(numSubresources, layouts, numRows, rowSizes, totalBytes);
        return;
    }
    if (desc->Dimension == D3D12_RESOURCE_DIMENSION_BUFFER) {
        BufferFootprint(*desc, firstSubresource, numSubresources, baseOffset, layouts, numRows,
                        rowSizes, totalBytes);
        return;
    }
    const FormatInfo* format = FindFormat(desc->Format);
    uint32_t mipLevels = desc->MipLevels;
    if (mipLevels == 0) {
        uint64_t largest = desc->Width > desc->Height ? desc->Width : desc->Height;
        if (desc->Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D &&
            desc->DepthOrArraySize > largest) {
            largest = desc->DepthOrArraySize;
        }
        while (largest > 0) {
            ++mipLevels;
            largest /= 2;
        }
    }
    uint32_t arraySize =
        desc->Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D ? 1 : desc->DepthOrArraySize;
    uint64_t subresourceCount = uint64_t(mipLevels) * arraySize;
    if (format == nullptr || desc->Width == 0 || desc->Height == 0 ||
        desc->Dimension == D3D12_RESOURCE_DIMENSION_UNKNOWN ||
        uint64_t(firstSubresource) + numSubresources > subresourceCount) {
        FillInvalid(numSubresources, layouts, numRows, rowSizes, totalBytes);
        return;
    }
    uint64_t offset = baseOffset;
    uint64_t end = baseOffset;
    for (UINT i = 0; i < numSubresources; ++i) {
        uint32_t mip = (firstSubresource + i) % mipLevels;
        uint64_t width = desc->Width >> mip ? desc->Width >> mip : 1;
        uint32_t height = desc->Height >> mip ? desc->Height >> mip : 1;
        uint32_t depth = desc->Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D
                             ? (desc->DepthOrArraySize >> mip ? desc->DepthOrArraySize >> mip : 1)
                             : 1;
        // Block-compressed formats count whole 4x4 blocks: a row of blocks is
        // one row of the footprint.
        width = AlignUp(width, format->blockSize);
        height = uint32_t(AlignUp(height, format->blockSize));
        uint32_t rows = height / format->blockSize;
        uint64_t rowSize = RowBytes(*format, width);
        uint64_t rowPitch = AlignUp(rowSize, D3D12_TEXTURE_DATA_PITCH_ALIGNMENT);
        uint64_t sliceSize = (rows - 1) * rowPitch + rowSize;
        uint64_t size =
            (depth - 1) * AlignUp(sliceSize, D3D12_TEXTURE_DATA_PITCH_ALIGNMENT) + sliceSize;
        if (i > 0) {
            offset = AlignUp(end, D3D12_TEXTURE_DATA_PLACEMENT_ALIGNMENT);
        }
        if (layouts != nullptr) {
            layouts[i] = {offset, {desc->Format, UINT(width), height, depth, UINT(rowPitch)}};
        }
        if (numRows != nullptr) {
            numRows[i] = rows;
        }
        if (rowSizes != nullptr) {
            rowSizes[i] = rowSize;
        }
        end = offset + size;
    }
    if (totalBytes != nullptr) {
        *totalBytes = end - baseOffset;
    }
}

} // namespace d3d12_standin
