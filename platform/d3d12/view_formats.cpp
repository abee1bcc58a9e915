#include "view_formats.h"

#include "debug_text.h"

#include <string>

namespace d3d12_standin {
namespace {

struct UseRule {
    const standin::MessageKind& invalid;
    uint16_t needed; // any of these uses
};

UseRule RuleOf(ViewUse use) {
    using namespace standin::messages;
    switch (use) {
    case ViewUse::RenderTarget:
        return {CREATERENDERTARGETVIEW_INVALIDFORMAT, kUseRender};
    case ViewUse::DepthStencil:
        return {CREATEDEPTHSTENCILVIEW_INVALIDFORMAT, kUseDepth};
    case ViewUse::UnorderedAccess:
        return {CREATEUNORDEREDACCESSVIEW_INVALIDFORMAT, kUseUav};
    case ViewUse::ShaderResource:
        break;
    }
    return {CREATESHADERRESOURCEVIEW_INVALIDFORMAT, kUseLoad};
}

} // namespace

const FormatInfo& StorageFormat(const FormatInfo& format, bool depthTarget) {
    if (depthTarget && IsTypeless(format)) {
        if (const FormatInfo* depth = DepthMemberOf(format)) {
            return *depth;
        }
    }
    return format;
}

bool ResolveViewFormat(DXGI_FORMAT requested, const GpuImage& image, ViewUse use,
                       const char* method, ImageViewKey* key) {
    const FormatInfo* resource = FindFormat(image.dxgiFormat);
    const FormatInfo* view = requested == DXGI_FORMAT_UNKNOWN ? resource : FindFormat(requested);
    UseRule rule = RuleOf(use);
    if (resource == nullptr || view == nullptr || !CastableTo(*resource, *view) ||
        (view->uses & rule.needed) == 0) {
        const bool typeless = resource != nullptr && IsTypeless(*resource);
        DXGI_FORMAT shown = requested == DXGI_FORMAT_UNKNOWN ? image.dxgiFormat : requested;
        std::string fullMethod = std::string("ID3D12Device::") + method;
        standin::ReportWindows(
            rule.invalid, nullptr, fullMethod.c_str(), unsigned(shown), FormatName(shown),
            typeless ? "it is not a fully qualified Format castable from the Format of the Resource"
                     : "the Resource was already created with a fully qualified Format, which is "
                       "not castable",
            unsigned(image.dxgiFormat), FormatName(image.dxgiFormat));
        return false;
    }
    // A colour view of a depth image reads the plane its format names.
    const bool depthImage = (image.aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0;
    key->format = depthImage ? image.format : view->vulkan;
    key->aspect = view->aspect;
    if (depthImage && view->aspect == VK_IMAGE_ASPECT_COLOR_BIT) {
        key->aspect = VK_IMAGE_ASPECT_DEPTH_BIT;
    }
    if (use == ViewUse::DepthStencil) {
        key->aspect = image.aspect;
    }
    // Attachments and storage images take no swizzle in Vulkan.
    key->swizzle = use == ViewUse::ShaderResource ? view->swizzle : FormatSwizzle::Identity;
    return true;
}

} // namespace d3d12_standin
