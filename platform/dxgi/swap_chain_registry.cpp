#include "swap_chain_registry.h"

#include <map>
#include <mutex>

namespace dxgi_standin {
namespace {

struct Entry {
    HWND window;
    uint64_t presents;
};

struct Registry {
    std::mutex mutex;
    std::map<IDXGISwapChain*, Entry> chains;
    uint64_t totalPresents = 0;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

bool ClaimWindow(HWND window, IDXGISwapChain* swapChain) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (const auto& [chain, entry] : registry.chains) {
        if (entry.window == window) {
            return false;
        }
    }
    registry.chains[swapChain] = {window, 0};
    return true;
}

void ReleaseWindow(HWND window, IDXGISwapChain* swapChain) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto found = registry.chains.find(swapChain);
    if (found != registry.chains.end() && found->second.window == window) {
        registry.chains.erase(found);
    }
}

void CountPresent(IDXGISwapChain* swapChain) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    ++registry.totalPresents;
    auto found = registry.chains.find(swapChain);
    if (found != registry.chains.end()) {
        ++found->second.presents;
    }
}

uint64_t PresentsOf(IDXGISwapChain* swapChain) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto found = registry.chains.find(swapChain);
    return found != registry.chains.end() ? found->second.presents : 0;
}

uint64_t AllPresents() {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.totalPresents;
}

} // namespace dxgi_standin
