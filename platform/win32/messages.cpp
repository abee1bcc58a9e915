// The message functions of user32: posting, peeking, translating, dispatching
// and the default window procedure.
#include "keyboard.h"
#include "message_queue.h"
#include "window_registry.h"
#include "x_events.h"

#include "testing_state.h"

#include <atomic>
#include <map>
#include <mutex>

using namespace win32_standin;

namespace win32_standin {

std::mutex g_defaultCountMutex;
std::map<UINT, uint64_t> g_defaultCounts;

} // namespace win32_standin

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(g_defaultCountMutex);
        ++g_defaultCounts[Msg];
    }
    switch (Msg) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessageA(hWnd, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & (LPARAM(1) << 29)) != 0) {
            SendMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    default:
        return 0;
    }
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcedure(hWnd, Msg, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd == 0) {
        MSG message{};
        message.message = Msg;
        message.wParam = wParam;
        message.lParam = lParam;
        message.time = timeGetTime();
        PostToThread(std::this_thread::get_id(), message);
        return TRUE;
    }
    return PostToWindow(hWnd, Msg, wParam, lParam) ? TRUE : FALSE;
}

void WINAPI PostQuitMessage(int nExitCode) {
    PostMessageA(0, WM_QUIT, WPARAM(nExitCode), 0);
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
    if (lpMsg == nullptr) {
        return FALSE;
    }
    DrainDisplayEvents();
    FinishExternallyDestroyedWindows();
    return TakeMessage(hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0, lpMsg)
               ? TRUE
               : FALSE;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr) {
        return FALSE;
    }
    switch (lpMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        char character = CharacterForKey(int(lpMsg->wParam), IsKeyDown(VK_SHIFT));
        if (character != 0) {
            MSG translated = *lpMsg;
            translated.message = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
            translated.wParam = WPARAM(uint8_t(character));
            PostToThreadFront(std::this_thread::get_id(), translated);
        }
        return TRUE;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (lpMsg == nullptr || lpMsg->hwnd == 0) {
        return 0;
    }
    return CallWindowProcedure(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}
