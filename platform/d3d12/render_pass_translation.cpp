// Render pass instances and clears. A whole-target clear waits for the next
// render pass on its target and becomes that pass's load operation; clears
// nothing renders after are recorded together as one pass at the next
// barrier, copy or sample of their target, or at the end of the list.
#include "command_translator.h"

#include "inline_vector.h"
#include "state_translation.h"

#include <algorithm>
#include <cmath>

namespace d3d12_standin {
namespace {

bool SameView(const AttachmentView& a, const AttachmentView& b) {
    return a.image == b.image && !(a.view < b.view) && !(b.view < a.view);
}

bool SameExtent(VkExtent2D a, VkExtent2D b) {
    return a.width == b.width && a.height == b.height;
}

VkRect2D ClippedRect(const D3D12_RECT& rect, VkExtent2D area) {
    LONG left = rect.left < 0 ? 0 : rect.left, top = rect.top < 0 ? 0 : rect.top;
    LONG right = rect.right > LONG(area.width) ? LONG(area.width) : rect.right;
    LONG bottom = rect.bottom > LONG(area.height) ? LONG(area.height) : rect.bottom;
    if (right <= left || bottom <= top) {
        return {{0, 0}, {0, 0}};
    }
    return {{int32_t(left), int32_t(top)}, {uint32_t(right - left), uint32_t(bottom - top)}};
}

bool HasStencil(const GpuImage& image) {
    return (image.aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0;
}

// The attachments of one render pass instance, loaded unless cleared.
struct PassAttachments {
    InlineVector<VkRenderingAttachmentInfo, 8> colors; // Direct3D 12 binds at most 8
    VkRenderingAttachmentInfo depth{};
    VkRenderingAttachmentInfo stencil{};
    bool hasDepth = false, hasStencil = false;
    // Array slices drawn into: the fewest any attachment's view covers.
    uint32_t layers = UINT32_MAX;
    void Cover(const AttachmentView& view) {
        layers = view.view.DrawnLayers() < layers ? view.view.DrawnLayers() : layers;
    }
};

void Begin(VkCommandBuffer commands, const PassAttachments& pass, VkExtent2D area) {
    VkRenderingInfo info{};
    info.sType = VK_STRUCTURE_TYPE_RENDERING_INFO;
    info.renderArea = {{0, 0}, area};
    info.layerCount = pass.layers != UINT32_MAX ? pass.layers : 1;
    info.colorAttachmentCount = uint32_t(pass.colors.size());
    info.pColorAttachments = pass.colors.data();
    info.pDepthAttachment = pass.hasDepth ? &pass.depth : nullptr;
    info.pStencilAttachment = pass.hasStencil ? &pass.stencil : nullptr;
    vkCmdBeginRendering(commands, &info);
}

void ApplyClear(VkImageAspectFlags aspects, VkClearValue value, PassAttachments* pass,
                VkRenderingAttachmentInfo* color) {
    if (color != nullptr) {
        color->loadOp = VK_ATTACHMENT_LOAD_OP_CLEAR;
        color->clearValue = value;
        return;
    }
    if ((aspects & VK_IMAGE_ASPECT_DEPTH_BIT) != 0) {
        pass->depth.loadOp = VK_ATTACHMENT_LOAD_OP_CLEAR;
        pass->depth.clearValue = value;
    }
    if ((aspects & VK_IMAGE_ASPECT_STENCIL_BIT) != 0 && pass->hasStencil) {
        pass->stencil.loadOp = VK_ATTACHMENT_LOAD_OP_CLEAR;
        pass->stencil.clearValue = value;
    }
}

} // namespace

bool CommandTranslator::RenderingSetup::operator==(const RenderingSetup& other) const {
    if (colors.size() != other.colors.size() || depth.image != other.depth.image ||
        (depth.image != nullptr && !SameView(depth, other.depth))) {
        return false;
    }
    for (size_t i = 0; i < colors.size(); ++i) {
        const AttachmentView &a = colors[i], &b = other.colors[i];
        if (a.image != b.image || (a.image != nullptr && !SameView(a, b))) {
            return false;
        }
    }
    return true;
}

VkRenderingAttachmentInfo CommandTranslator::Attachment(const AttachmentView& view,
                                                        VkImageLayout layout) {
    VkRenderingAttachmentInfo attachment{};
    attachment.sType = VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO;
    attachment.imageView = view.image->View(view.view);
    attachment.imageLayout = layout;
    attachment.loadOp = VK_ATTACHMENT_LOAD_OP_LOAD;
    attachment.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    return attachment;
}

bool CommandTranslator::HasPendingClear(const GpuImage& image) const {
    for (const PendingClear& clear : pendingClears_) {
        if (clear.target.image.get() == &image) {
            return true;
        }
    }
    return false;
}

void CommandTranslator::EndRendering() {
    drawPassCurrent_ = false;
    if (rendering_) {
        vkCmdEndRendering(commands_);
        rendering_ = false;
    }
}

VkExtent2D CommandTranslator::BeginRendering(const RenderingSetup& setup) {
    drawPassCurrent_ = false;
    VkExtent2D area{UINT32_MAX, UINT32_MAX};
    PassAttachments pass;
    auto shrink = [&area, &pass](const AttachmentView& view) {
        pass.Cover(view);
        VkExtent2D extent = MipExtent(*view.image, view.view.baseMip);
        area.width = extent.width < area.width ? extent.width : area.width;
        area.height = extent.height < area.height ? extent.height : area.height;
    };
    for (const AttachmentView& view : setup.colors) {
        if (view.image != nullptr) {
            shrink(view);
        }
    }
    if (setup.depth.image != nullptr) {
        shrink(setup.depth);
    }
    if (area.width == UINT32_MAX) {
        area = {1, 1};
    }
    // Clears of whole attachments this pass covers become its load
    // operations; the others go first, as passes of their own.
    std::vector<PendingClear> folded;
    for (auto clear = pendingClears_.begin(); clear != pendingClears_.end();) {
        bool covered = SameView(clear->target, setup.depth);
        for (const AttachmentView& view : setup.colors) {
            covered = covered || (view.image != nullptr && SameView(clear->target, view));
        }
        covered = covered &&
                  SameExtent(MipExtent(*clear->target.image, clear->target.view.baseMip), area) &&
                  clear->target.view.DrawnLayers() == pass.layers;
        if (covered) {
            folded.push_back(*clear);
            clear = pendingClears_.erase(clear);
        } else {
            ++clear;
        }
    }
    FlushClears();

    pass.colors.resize(setup.colors.size());
    for (size_t i = 0; i < setup.colors.size(); ++i) {
        const AttachmentView& view = setup.colors[i];
        pass.colors[i].sType = VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO;
        if (view.image != nullptr) {
            pass.colors[i] = Attachment(view, TransitionForUse(*view.image, RangeOf(view.view),
                                                               D3D12_RESOURCE_STATE_RENDER_TARGET));
        }
    }
    if (setup.depth.image != nullptr) {
        pass.depth =
            Attachment(setup.depth, TransitionForUse(*setup.depth.image, RangeOf(setup.depth.view),
                                                     D3D12_RESOURCE_STATE_DEPTH_WRITE));
        pass.stencil = pass.depth;
        pass.hasDepth = true;
        pass.hasStencil = HasStencil(*setup.depth.image);
    }
    for (const PendingClear& clear : folded) {
        VkRenderingAttachmentInfo* color = nullptr;
        for (size_t i = 0; i < setup.colors.size(); ++i) {
            color = SameView(clear.target, setup.colors[i]) ? &pass.colors[i] : color;
        }
        ApplyClear(clear.aspects, clear.value, &pass, color);
    }
    RecordBarriers();
    Begin(commands_, pass, area);
    ++renderPasses_;
    rendering_ = true;
    activeSetup_ = setup;
    renderArea_ = area;
    return area;
}

void CommandTranslator::QueueClear(const PendingClear& clear) {
    for (PendingClear& pending : pendingClears_) {
        if (!SameView(pending.target, clear.target)) {
            continue;
        }
        // The later clear wins for the aspects it clears.
        if ((clear.aspects & VK_IMAGE_ASPECT_COLOR_BIT) != 0) {
            pending.value.color = clear.value.color;
        }
        if ((clear.aspects & VK_IMAGE_ASPECT_DEPTH_BIT) != 0) {
            pending.value.depthStencil.depth = clear.value.depthStencil.depth;
        }
        if ((clear.aspects & VK_IMAGE_ASPECT_STENCIL_BIT) != 0) {
            pending.value.depthStencil.stencil = clear.value.depthStencil.stencil;
        }
        pending.aspects |= clear.aspects;
        return;
    }
    pendingClears_.push_back(clear);
}

// One pass per group of clears with the same extent, at most one of them a
// depth target and no image twice.
void CommandTranslator::FlushClears() {
    if (!pendingClears_.empty()) {
        EndRendering();
    }
    while (!pendingClears_.empty()) {
        InlineVector<PendingClear, 8> group; // at most 8 clears a pass, as below
        group.push_back(pendingClears_.front());
        pendingClears_.erase(pendingClears_.begin());
        const AttachmentView& first = group[0].target;
        VkExtent2D area = MipExtent(*first.image, first.view.baseMip);
        bool depthTaken = IsDepthTarget(first);
        for (auto clear = pendingClears_.begin(); clear != pendingClears_.end();) {
            bool depth = IsDepthTarget(clear->target);
            bool fits =
                SameExtent(MipExtent(*clear->target.image, clear->target.view.baseMip), area) &&
                clear->target.view.DrawnLayers() == first.view.DrawnLayers() &&
                !(depth && depthTaken) && group.size() < 8;
            for (const PendingClear& taken : group) {
                fits = fits && taken.target.image != clear->target.image;
            }
            if (fits) {
                depthTaken = depthTaken || depth;
                group.push_back(*clear);
                clear = pendingClears_.erase(clear);
            } else {
                ++clear;
            }
        }
        PassAttachments pass;
        pass.Cover(first);
        pass.colors.reserve(group.size());
        for (const PendingClear& clear : group) {
            if (IsDepthTarget(clear.target)) {
                pass.depth = Attachment(
                    clear.target, TransitionForUse(*clear.target.image, RangeOf(clear.target.view),
                                                   D3D12_RESOURCE_STATE_DEPTH_WRITE));
                pass.stencil = pass.depth;
                pass.hasDepth = true;
                pass.hasStencil = HasStencil(*clear.target.image);
                ApplyClear(clear.aspects, clear.value, &pass, nullptr);
            } else {
                pass.colors.push_back(Attachment(
                    clear.target, TransitionForUse(*clear.target.image, RangeOf(clear.target.view),
                                                   D3D12_RESOURCE_STATE_RENDER_TARGET)));
                ApplyClear(clear.aspects, clear.value, &pass, &pass.colors.back());
            }
        }
        RecordBarriers();
        Begin(commands_, pass, area);
        ++renderPasses_;
        vkCmdEndRendering(commands_);
    }
}

bool CommandTranslator::IsDepthTarget(const AttachmentView& view) {
    return (view.image->aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0;
}

// Clears of rectangles: vkCmdClearAttachments in a pass on the target alone.
void CommandTranslator::ClearRects(const AttachmentView& target, const VkClearAttachment& clear,
                                   const std::vector<D3D12_RECT>& rects) {
    FlushClears();
    bool depth = IsDepthTarget(target);
    VkImageLayout layout = TransitionForUse(*target.image, RangeOf(target.view),
                                            depth ? D3D12_RESOURCE_STATE_DEPTH_WRITE
                                                  : D3D12_RESOURCE_STATE_RENDER_TARGET);
    VkExtent2D area = MipExtent(*target.image, target.view.baseMip);
    std::vector<VkClearRect> clearRects;
    for (const D3D12_RECT& rect : rects) {
        VkRect2D clipped = ClippedRect(rect, area);
        if (clipped.extent.width > 0) {
            clearRects.push_back({clipped, 0, target.view.DrawnLayers()});
        }
    }
    if (clearRects.empty()) {
        return;
    }
    PassAttachments pass;
    pass.Cover(target);
    if (depth) {
        pass.depth = Attachment(target, layout);
        pass.stencil = pass.depth;
        pass.hasDepth = true;
        pass.hasStencil = HasStencil(*target.image);
    } else {
        pass.colors.push_back(Attachment(target, layout));
    }
    RecordBarriers();
    Begin(commands_, pass, area);
    ++renderPasses_;
    vkCmdClearAttachments(commands_, 1, &clear, uint32_t(clearRects.size()), clearRects.data());
    vkCmdEndRendering(commands_);
}

namespace {

enum class ColorKind { Float, Unsigned, Signed };

ColorKind KindOf(VkFormat format) {
    switch (format) {
    case VK_FORMAT_R32G32B32A32_UINT:
    case VK_FORMAT_R32G32B32_UINT:
    case VK_FORMAT_R16G16B16A16_UINT:
    case VK_FORMAT_R32G32_UINT:
    case VK_FORMAT_A2B10G10R10_UINT_PACK32:
    case VK_FORMAT_R8G8B8A8_UINT:
    case VK_FORMAT_R16G16_UINT:
    case VK_FORMAT_R32_UINT:
    case VK_FORMAT_R8G8_UINT:
    case VK_FORMAT_R16_UINT:
    case VK_FORMAT_R8_UINT:
        return ColorKind::Unsigned;
    case VK_FORMAT_R32G32B32A32_SINT:
    case VK_FORMAT_R32G32B32_SINT:
    case VK_FORMAT_R16G16B16A16_SINT:
    case VK_FORMAT_R32G32_SINT:
    case VK_FORMAT_R8G8B8A8_SINT:
    case VK_FORMAT_R16G16_SINT:
    case VK_FORMAT_R32_SINT:
    case VK_FORMAT_R8G8_SINT:
    case VK_FORMAT_R16_SINT:
    case VK_FORMAT_R8_SINT:
        return ColorKind::Signed;
    default:
        return ColorKind::Float;
    }
}

// ClearRenderTargetView's colour is floats; an integer target takes their
// values converted to integers, as Vulkan reads the clear value in the view
// format's own type.
VkClearColorValue ClearColorOf(VkFormat format, const float (&color)[4]) {
    VkClearColorValue value{};
    const ColorKind kind = KindOf(format);
    for (int i = 0; i < 4; ++i) {
        const float number = std::isnan(color[i]) ? 0.0f : color[i]; // NaN converts to 0
        if (kind == ColorKind::Unsigned) {
            value.uint32[i] = uint32_t(std::clamp(number, 0.0f, 4294967040.0f));
        } else if (kind == ColorKind::Signed) {
            value.int32[i] = int32_t(std::clamp(number, -2147483648.0f, 2147483520.0f));
        } else {
            value.float32[i] = color[i];
        }
    }
    return value;
}

} // namespace

void CommandTranslator::operator()(const CmdClearColor& command) {
    if (command.target.image == nullptr) {
        return; // a null view
    }
    // Draws already recorded on the target come before the clear.
    EndRendering();
    KeepUntilFinished(command.target.image);
    VkClearValue value{};
    value.color = ClearColorOf(command.target.view.format, command.color);
    if (command.rects.empty()) {
        QueueClear({command.target, VK_IMAGE_ASPECT_COLOR_BIT, value});
        return;
    }
    ClearRects(command.target, {VK_IMAGE_ASPECT_COLOR_BIT, 0, value}, command.rects);
}

void CommandTranslator::operator()(const CmdClearDepth& command) {
    if (command.target.image == nullptr) {
        return; // a null view
    }
    EndRendering();
    KeepUntilFinished(command.target.image);
    const GpuImage& image = *command.target.image;
    VkImageAspectFlags aspects = 0;
    if ((command.flags & D3D12_CLEAR_FLAG_DEPTH) != 0) {
        aspects |= VK_IMAGE_ASPECT_DEPTH_BIT;
    }
    if ((command.flags & D3D12_CLEAR_FLAG_STENCIL) != 0 && HasStencil(image)) {
        aspects |= VK_IMAGE_ASPECT_STENCIL_BIT;
    }
    if (aspects == 0) {
        return;
    }
    VkClearValue value{};
    value.depthStencil = {command.depth, command.stencil};
    if (command.rects.empty()) {
        QueueClear({command.target, aspects, value});
        return;
    }
    ClearRects(command.target, {aspects, 0, value}, command.rects);
}

} // namespace d3d12_standin
