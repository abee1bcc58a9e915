// The registry of named scene descriptions: get-or-create by name and kind.
// Kept apart from the renderer so that it works without any GPU.
#pragma once

#include <scene/buffers.h>

#include <cstdio>
#include <map>
#include <string>

using BufferMap = std::map<std::string, BaseBuffer*, NameLess>;

template <class Kind> constexpr int32_t kBufferTypeOf = BUFFER_TYPE_NONE;
template <> inline constexpr int32_t kBufferTypeOf<VertexBuffer> = BUFFER_TYPE_VERTEX;
template <> inline constexpr int32_t kBufferTypeOf<InstancingBuffer> = BUFFER_TYPE_INSTANCING;
template <> inline constexpr int32_t kBufferTypeOf<ViewBuffer> = BUFFER_TYPE_VIEW;
template <> inline constexpr int32_t kBufferTypeOf<TextureBuffer> = BUFFER_TYPE_TEXTURE;
template <> inline constexpr int32_t kBufferTypeOf<RenderTargetBuffer> = BUFFER_TYPE_RENDERTARGET;

// Returns the description registered under `name`, creating a default one on
// first request (or in place of an entry left empty by a subscript lookup).
// A name already registered as another kind is not reinterpreted: the
// mismatch is reported with `operation` and the result is null.
template <class Kind>
Kind* GetOrCreateBuffer(BufferMap& registry, const std::string& name, const char* operation) {
    auto found = registry.lower_bound(name);
    const bool present = found != registry.end() && !registry.key_comp()(name, found->first);
    if (present && found->second != nullptr) {
        if (found->second->type != kBufferTypeOf<Kind>) {
            std::printf("%s : %s : ERROR : registered with type %d, not type %d\n", operation,
                        name.c_str(), static_cast<int>(found->second->type),
                        static_cast<int>(kBufferTypeOf<Kind>));
            return nullptr;
        }
        return static_cast<Kind*>(found->second);
    }
    Kind* created = new Kind();
    created->name = name;
    if (present) {
        found->second = created;
    } else {
        registry.emplace_hint(found, name, created);
    }
    return created;
}
