// The test hook platform_testing::ValidationMessages (declared with the other
// Direct3D 12 hooks) lives here so that a test needs only this library for it.
#include "validation_messenger.h"

namespace platform_testing {

uint64_t ValidationMessages();

uint64_t ValidationMessages() {
    return vk_core::ValidationMessageCount();
}

} // namespace platform_testing
