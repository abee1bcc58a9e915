#include "view_dimensions.h"

#include <type_traits>

namespace d3d12_standin {
namespace {

constexpr const char* kBadMips = "the mip range is not inside the texture";
constexpr const char* kBadSlices = "the array slices are not inside the texture";

// MipLevels -1 means every level from the first one on.
const char* MipRange(UINT first, UINT count, const GpuImage& image, ImageViewKey* key) {
    if (count == UINT(-1) && first < image.mipLevels) {
        count = image.mipLevels - first;
    }
    if (first >= image.mipLevels || count == 0 || count > image.mipLevels - first) {
        return kBadMips;
    }
    key->baseMip = first;
    key->mipCount = count;
    return nullptr;
}

// Views of one mip level, as render targets and depth-stencil views are.
const char* SingleMip(UINT mip, const GpuImage& image, ImageViewKey* key) {
    return MipRange(mip, 1, image, key);
}

const char* SliceRange(UINT first, UINT count, const GpuImage& image, ImageViewKey* key) {
    if (first >= image.arrayLayers || count == 0 || count > image.arrayLayers - first) {
        return kBadSlices;
    }
    key->baseLayer = first;
    key->layerCount = count;
    return nullptr;
}

// A render-target or depth-stencil view of several slices draws into them
// all (a layered attachment); the vertex shader's SV_RenderTargetArrayIndex
// picks the slice, slice 0 without it.
const char* AttachmentSlices(UINT first, UINT count, const GpuImage& image, ImageViewKey* key) {
    const char* refusal = SliceRange(first, count, image, key);
    if (refusal == nullptr && key->layerCount > 1) {
        key->type = VK_IMAGE_VIEW_TYPE_2D_ARRAY;
    }
    return refusal;
}

// The whole texture: an array view when it has several slices.
void DefaultRange(const GpuImage& image, bool allMips, ImageViewKey* key) {
    key->baseMip = 0;
    key->mipCount = allMips ? image.mipLevels : 1;
    key->baseLayer = 0;
    key->layerCount = allMips ? image.arrayLayers : 1;
    bool array = key->layerCount > 1;
    switch (image.type) {
    case VK_IMAGE_TYPE_1D:
        key->type = array ? VK_IMAGE_VIEW_TYPE_1D_ARRAY : VK_IMAGE_VIEW_TYPE_1D;
        break;
    case VK_IMAGE_TYPE_3D:
        key->type = VK_IMAGE_VIEW_TYPE_3D;
        break;
    default:
        key->type = array ? VK_IMAGE_VIEW_TYPE_2D_ARRAY : VK_IMAGE_VIEW_TYPE_2D;
    }
}

// A view's dimension must be the texture's.
const char* Dimension(VkImageType viewed, const GpuImage& image) {
    return viewed == image.type ? nullptr
                                : "the view dimension does not match the resource dimension";
}

// Multisampled textures are seen only through multisampled views, and
// single-sampled ones only through the others.
const char* SamplesMatch(bool multisampledView, const GpuImage& image) {
    bool multisampled = image.samples != VK_SAMPLE_COUNT_1_BIT;
    if (multisampledView == multisampled) {
        return nullptr;
    }
    return multisampled ? "a multisampled texture needs a TEXTURE2DMS or TEXTURE2DMSARRAY view"
                        : "a TEXTURE2DMS or TEXTURE2DMSARRAY view needs a multisampled texture";
}

const char* Either(const char* first, const char* second) {
    return first != nullptr ? first : second;
}

const char* Either(const char* first, const char* second, const char* third) {
    return Either(first, Either(second, third));
}

// Cube views read six square slices of a 2-D texture per cube.
const char* CubeRange(UINT mostDetailedMip, UINT mipLevels, UINT firstFace, UINT cubes,
                      const GpuImage& image, ImageViewKey* key) {
    if (!image.cubeCompatible) {
        return "a cube view needs a single-sampled 2-D texture of square slices, six or more";
    }
    if (cubes == 0 || cubes > image.arrayLayers / 6) {
        return kBadSlices;
    }
    return Either(MipRange(mostDetailedMip, mipLevels, image, key),
                  SliceRange(firstFace, cubes * 6, image, key));
}

// The 1-D and 3-D views, of a texture of their dimension.
const char* OtherDimensionRange(const D3D12_SHADER_RESOURCE_VIEW_DESC& desc, const GpuImage& image,
                                ImageViewKey* key) {
    switch (desc.ViewDimension) {
    case D3D12_SRV_DIMENSION_TEXTURE1D:
        key->type = VK_IMAGE_VIEW_TYPE_1D;
        return MipRange(desc.Texture1D.MostDetailedMip, desc.Texture1D.MipLevels, image, key);
    case D3D12_SRV_DIMENSION_TEXTURE1DARRAY: {
        const D3D12_TEX1D_ARRAY_SRV& array = desc.Texture1DArray;
        key->type = VK_IMAGE_VIEW_TYPE_1D_ARRAY;
        return Either(MipRange(array.MostDetailedMip, array.MipLevels, image, key),
                      SliceRange(array.FirstArraySlice, array.ArraySize, image, key));
    }
    default:
        key->type = VK_IMAGE_VIEW_TYPE_3D;
        return MipRange(desc.Texture3D.MostDetailedMip, desc.Texture3D.MipLevels, image, key);
    }
}

} // namespace

const char* ShaderResourceViewRange(const D3D12_SHADER_RESOURCE_VIEW_DESC* desc,
                                    const GpuImage& image, ImageViewKey* key) {
    if (desc == nullptr) {
        DefaultRange(image, true, key);
        return nullptr;
    }
    key->type = VK_IMAGE_VIEW_TYPE_2D;
    key->baseLayer = 0;
    key->layerCount = 1;
    switch (desc->ViewDimension) {
    case D3D12_SRV_DIMENSION_TEXTURE1D:
    case D3D12_SRV_DIMENSION_TEXTURE1DARRAY:
    case D3D12_SRV_DIMENSION_TEXTURE3D:
        return Either(Dimension(desc->ViewDimension == D3D12_SRV_DIMENSION_TEXTURE3D
                                    ? VK_IMAGE_TYPE_3D
                                    : VK_IMAGE_TYPE_1D,
                                image),
                      OtherDimensionRange(*desc, image, key));
    case D3D12_SRV_DIMENSION_TEXTURE2D:
        return Either(
            Dimension(VK_IMAGE_TYPE_2D, image), SamplesMatch(false, image),
            MipRange(desc->Texture2D.MostDetailedMip, desc->Texture2D.MipLevels, image, key));
    case D3D12_SRV_DIMENSION_TEXTURE2DARRAY: {
        const D3D12_TEX2D_ARRAY_SRV& array = desc->Texture2DArray;
        key->type = VK_IMAGE_VIEW_TYPE_2D_ARRAY;
        return Either(Dimension(VK_IMAGE_TYPE_2D, image), SamplesMatch(false, image),
                      Either(MipRange(array.MostDetailedMip, array.MipLevels, image, key),
                             SliceRange(array.FirstArraySlice, array.ArraySize, image, key)));
    }
    case D3D12_SRV_DIMENSION_TEXTURE2DMS:
        return Either(SamplesMatch(true, image), MipRange(0, 1, image, key));
    case D3D12_SRV_DIMENSION_TEXTURE2DMSARRAY:
        key->type = VK_IMAGE_VIEW_TYPE_2D_ARRAY;
        return Either(SamplesMatch(true, image),
                      Either(MipRange(0, 1, image, key),
                             SliceRange(desc->Texture2DMSArray.FirstArraySlice,
                                        desc->Texture2DMSArray.ArraySize, image, key)));
    case D3D12_SRV_DIMENSION_TEXTURECUBE:
        key->type = VK_IMAGE_VIEW_TYPE_CUBE;
        return CubeRange(desc->TextureCube.MostDetailedMip, desc->TextureCube.MipLevels, 0, 1,
                         image, key);
    case D3D12_SRV_DIMENSION_TEXTURECUBEARRAY: {
        const D3D12_TEXCUBE_ARRAY_SRV& cubes = desc->TextureCubeArray;
        key->type = VK_IMAGE_VIEW_TYPE_CUBE_ARRAY;
        return CubeRange(cubes.MostDetailedMip, cubes.MipLevels, cubes.First2DArrayFace,
                         cubes.NumCubes, image, key);
    }
    default:
        return "only 1-D, 2-D, 3-D, cube and multisampled 2-D texture views (and their arrays) "
               "are supported";
    }
}

// The dimension values of render-target or depth-stencil descriptions;
// depth-stencil views have no TEXTURE3D (texture3D -1).
struct AttachmentDimensions {
    int texture2D, texture2DArray, texture2DMS, texture2DMSArray, texture3D;
};

// W slices of one mip of a 3-D texture (a TEXTURE3D render-target view),
// drawn into as the layers of a 2-D image; WSize -1 means every slice from
// the first one on.
const char* DepthSlicesOf(const D3D12_TEX3D_RTV& volume, const GpuImage& image, ImageViewKey* key) {
    if (const char* mip = SingleMip(volume.MipSlice, image, key)) {
        return mip;
    }
    uint32_t depth = image.depth >> volume.MipSlice > 0 ? image.depth >> volume.MipSlice : 1;
    uint32_t count = volume.WSize;
    if (count == UINT(-1) && volume.FirstWSlice < depth) {
        count = depth - volume.FirstWSlice;
    }
    if (volume.FirstWSlice >= depth || count == 0 || count > depth - volume.FirstWSlice) {
        return "the W slices are not inside the mip";
    }
    key->depthSlice = volume.FirstWSlice;
    key->depthSliceCount = count;
    key->type = count > 1 ? VK_IMAGE_VIEW_TYPE_2D_ARRAY : VK_IMAGE_VIEW_TYPE_2D;
    return nullptr;
}

// The default render-target view of a 3-D texture covers every W slice of
// mip 0, as Direct3D 11's null description does.
template <typename Desc>
const char* DepthSliceRange(const Desc* desc, const AttachmentDimensions& dimensions,
                            const GpuImage& image, ImageViewKey* key) {
    if constexpr (std::is_same_v<Desc, D3D12_RENDER_TARGET_VIEW_DESC>) {
        if (desc == nullptr) {
            return DepthSlicesOf({0, 0, UINT(-1)}, image, key);
        }
        if (int(desc->ViewDimension) == dimensions.texture3D) {
            return DepthSlicesOf(desc->Texture3D, image, key);
        }
    }
    return "a 3-D texture is drawn into through a TEXTURE3D render-target view";
}

// Render-target and depth-stencil descriptions share their members' layout;
// only the dimension values differ.
template <typename Desc>
const char* AttachmentRange(const Desc* desc, const AttachmentDimensions& dimensions,
                            const GpuImage& image, ImageViewKey* key) {
    DefaultRange(image, false, key);
    if (image.type == VK_IMAGE_TYPE_3D) {
        key->type = VK_IMAGE_VIEW_TYPE_2D;
        return DepthSliceRange(desc, dimensions, image, key);
    }
    if (image.type != VK_IMAGE_TYPE_2D) {
        return "only views of 2-D and 3-D textures can be drawn into";
    }
    if (desc == nullptr) {
        // The default view draws into mip 0 of every slice, as Direct3D 11's
        // null description does, which CreateRenderTargetView's documentation
        // names as the same behaviour.
        return AttachmentSlices(0, image.arrayLayers, image, key);
    }
    int dimension = int(desc->ViewDimension);
    if (dimension == dimensions.texture2D) {
        return Either(SamplesMatch(false, image), SingleMip(desc->Texture2D.MipSlice, image, key));
    }
    if (dimension == dimensions.texture2DArray) {
        return Either(SamplesMatch(false, image),
                      Either(SingleMip(desc->Texture2DArray.MipSlice, image, key),
                             AttachmentSlices(desc->Texture2DArray.FirstArraySlice,
                                              desc->Texture2DArray.ArraySize, image, key)));
    }
    if (dimension == dimensions.texture2DMS) {
        return SamplesMatch(true, image);
    }
    if (dimension == dimensions.texture2DMSArray) {
        return Either(SamplesMatch(true, image),
                      AttachmentSlices(desc->Texture2DMSArray.FirstArraySlice,
                                       desc->Texture2DMSArray.ArraySize, image, key));
    }
    return "only 2-D, 2-D array and multisampled 2-D views are supported";
}

const char* RenderTargetViewRange(const D3D12_RENDER_TARGET_VIEW_DESC* desc, const GpuImage& image,
                                  ImageViewKey* key) {
    constexpr AttachmentDimensions kDimensions{
        D3D12_RTV_DIMENSION_TEXTURE2D, D3D12_RTV_DIMENSION_TEXTURE2DARRAY,
        D3D12_RTV_DIMENSION_TEXTURE2DMS, D3D12_RTV_DIMENSION_TEXTURE2DMSARRAY,
        D3D12_RTV_DIMENSION_TEXTURE3D};
    return AttachmentRange(desc, kDimensions, image, key);
}

const char* DepthStencilViewRange(const D3D12_DEPTH_STENCIL_VIEW_DESC* desc, const GpuImage& image,
                                  ImageViewKey* key) {
    constexpr AttachmentDimensions kDimensions{
        D3D12_DSV_DIMENSION_TEXTURE2D, D3D12_DSV_DIMENSION_TEXTURE2DARRAY,
        D3D12_DSV_DIMENSION_TEXTURE2DMS, D3D12_DSV_DIMENSION_TEXTURE2DMSARRAY, -1};
    return AttachmentRange(desc, kDimensions, image, key);
}

} // namespace d3d12_standin
