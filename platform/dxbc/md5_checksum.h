// The container checksum: MD5's compression function over the bytes after the
// checksum field, finished with the container format's own padding block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace dxbc {

std::array<uint32_t, 4> ContainerChecksum(const uint8_t* bytes, size_t size);

} // namespace dxbc
