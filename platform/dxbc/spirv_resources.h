// How each descriptor-bound variable of a compiled shader is read: through an
// image or sampler, a texel buffer or a storage buffer. The same HLSL register
// class binds through any of these, so the Direct3D 12 stand-in picks the
// Vulkan descriptor type from what the shader declared.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace dxbc {

// Plain: a texture, sampler or constant buffer; TexelBuffer: Buffer<T> and
// RWBuffer<T>; StorageBuffer: structured and byte-address buffers; Counter:
// the hidden counter of a structured unordered-access view, a storage buffer
// of one uint (only unordered-access views have one).
enum class ResourceShape : uint32_t { Plain, TexelBuffer, StorageBuffer, Counter };
constexpr uint32_t kViewShapes = 3; // the shapes a view's own resource is read through
constexpr uint32_t kResourceShapes = 4;

// The shape of every variable that lives in a descriptor, by result id.
std::map<uint32_t, ResourceShape> ResourceShapes(const std::vector<uint32_t>& spirv);

// Gives every storage image and storage texel buffer type the Unknown image
// format and declares the capabilities that reading and writing such images
// need: a typed unordered-access view takes its format from the view, not
// from the HLSL element type the compiler recorded. A device that cannot read
// storage images without a format keeps the format of the types the shader
// reads; false when one of those is not a single 32-bit format, the typed
// loads Direct3D 12 leaves to TypedUAVLoadAdditionalFormats. The types atomics
// reach keep their format, which Vulkan requires of them.
bool ForgetStorageImageFormats(std::vector<uint32_t>& spirv, bool readWithoutFormat);

} // namespace dxbc
