#include "swap_chain_registry.h"

#include <platform_testing/dxgi.h>

namespace platform_testing {

uint64_t Presents(IDXGISwapChain* swapChain) {
    return dxgi_standin::PresentsOf(swapChain);
}

uint64_t TotalPresents() {
    return dxgi_standin::AllPresents();
}

} // namespace platform_testing
