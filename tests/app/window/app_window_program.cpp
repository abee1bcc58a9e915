// Opens the application's window and pumps its messages until a quit
// message arrives; app_window_x_tests examines and closes it from outside.
#include <app/window.h>

#include <chrono>
#include <cstdio>
#include <thread>

int main() {
    HWND window = CreateAppWindow("Brennwick", 1280, 720);
    if (window == HWND{}) {
        std::fprintf(stderr, "app_window_program: no window\n");
        return 3;
    }
    std::printf("window open\n");
    std::fflush(stdout);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (PumpMessages() != 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "app_window_program: no quit message within 60 s\n");
            return 2;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::printf("quit seen\n");
    return 0;
}
