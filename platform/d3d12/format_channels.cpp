#include "format_channels.h"

#include "format_table.h"

#include <cstring>
#include <string_view>

namespace d3d12_standin {

bool ReadLayout(DXGI_FORMAT format, Layout* layout) {
    const FormatInfo* info = FindFormat(format);
    if (info == nullptr || info->blockSize != 1 || IsDepthFormat(*info)) {
        return false;
    }
    const std::string_view name = info->name; // read without allocating: clears use it
    size_t at = 0;
    while (at < name.size() && name[at] != '_' && layout->count < 4) {
        const char letter = name[at++];
        const char* letters = "RGBA";
        const char* found = std::strchr(letters, letter);
        int value = found != nullptr ? int(found - letters) : -1;
        if (value < 0 && letter != 'X') {
            return false; // shared exponents and the like
        }
        uint32_t bits = 0;
        while (at < name.size() && name[at] >= '0' && name[at] <= '9') {
            bits = bits * 10 + uint32_t(name[at++] - '0');
        }
        layout->channels[layout->count++] = {value, bits};
    }
    const std::string_view type = at < name.size() ? name.substr(at + 1) : std::string_view();
    const struct {
        const char* name;
        ChannelType type;
    } kTypes[] = {{"UINT", ChannelType::Uint},    {"SINT", ChannelType::Sint},
                  {"UNORM", ChannelType::Unorm},  {"SNORM", ChannelType::Snorm},
                  {"FLOAT", ChannelType::Float},  {"UNORM_SRGB", ChannelType::Srgb},
                  {"TYPELESS", ChannelType::Uint}};
    for (const auto& known : kTypes) {
        if (type == known.name) {
            layout->type = known.type;
            return layout->count > 0 && name[at] == '_';
        }
    }
    return false;
}

} // namespace d3d12_standin
