// Rectangles and the window frame that Windows 10 draws around a client area
// at 96 dots per inch.
#include <windows.h>

namespace {

constexpr int kCaptionHeight = 23;     // SM_CYCAPTION
constexpr int kToolCaptionHeight = 17; // SM_CYSMCAPTION
constexpr int kMenuHeight = 20;        // SM_CYMENU
constexpr int kBorder = 1;             // SM_CXBORDER
constexpr int kFixedFrame = 3;         // SM_CXFIXEDFRAME (dialog frame, border included)
constexpr int kSizingFrame = 8;        // SM_CXSIZEFRAME plus SM_CXPADDEDBORDER
constexpr int kClientEdge = 2;         // SM_CXEDGE

int FrameWidth(DWORD style, DWORD exStyle) {
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE) {
        return kBorder;
    }
    if (style & WS_THICKFRAME) {
        return kSizingFrame;
    }
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        return kFixedFrame;
    }
    if (style & WS_BORDER) {
        return kBorder;
    }
    return 0;
}

} // namespace

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (lprc == nullptr) {
        return FALSE;
    }
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (lpRect == nullptr) {
        return FALSE;
    }
    int frame = FrameWidth(dwStyle, dwExStyle);
    if (dwExStyle & WS_EX_CLIENTEDGE) {
        frame += kClientEdge;
    }
    int top = frame;
    if ((dwStyle & WS_CAPTION) == WS_CAPTION) {
        top += (dwExStyle & WS_EX_TOOLWINDOW) ? kToolCaptionHeight : kCaptionHeight;
    }
    if (bMenu) {
        top += kMenuHeight;
    }
    lpRect->left -= frame;
    lpRect->right += frame;
    lpRect->top -= top;
    lpRect->bottom += frame;
    return TRUE;
}
