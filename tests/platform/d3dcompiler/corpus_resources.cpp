#include "corpus_resources.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

namespace corpus_resources {
namespace {

struct Named {
    const char* name;
    DXGI_FORMAT format;
    unsigned bytes;
};

constexpr Named kFormats[] = {
    {"r32g32b32a32_float", DXGI_FORMAT_R32G32B32A32_FLOAT, 16},
    {"r32g32b32a32_uint", DXGI_FORMAT_R32G32B32A32_UINT, 16},
    {"r32g32b32a32_sint", DXGI_FORMAT_R32G32B32A32_SINT, 16},
    {"r32g32_float", DXGI_FORMAT_R32G32_FLOAT, 8},
    {"r32g32_uint", DXGI_FORMAT_R32G32_UINT, 8},
    {"r32_float", DXGI_FORMAT_R32_FLOAT, 4},
    {"r32_uint", DXGI_FORMAT_R32_UINT, 4},
    {"r32_sint", DXGI_FORMAT_R32_SINT, 4},
    {"r8g8b8a8_unorm", DXGI_FORMAT_R8G8B8A8_UNORM, 4},
    {"r8g8b8a8_unorm_srgb", DXGI_FORMAT_R8G8B8A8_UNORM_SRGB, 4},
    {"r8g8b8a8_snorm", DXGI_FORMAT_R8G8B8A8_SNORM, 4},
    {"b8g8r8a8_unorm", DXGI_FORMAT_B8G8R8A8_UNORM, 4},
};

constexpr std::pair<const char*, Shape> kShapes[] = {
    {"1d", Shape::Texture1D},
    {"2d", Shape::Texture2D},
    {"2darray", Shape::Texture2DArray},
    {"3d", Shape::Texture3D},
    {"cube", Shape::TextureCube},
    {"1darray", Shape::Texture1DArray},
    {"cubearray", Shape::TextureCubeArray},
    {"2dms", Shape::Texture2DMS},
    {"2dmsarray", Shape::Texture2DMSArray},
    {"typed", Shape::TypedBuffer},
    {"structured", Shape::StructuredBuffer},
    {"raw", Shape::RawBuffer},
};

DXGI_FORMAT FormatNamed(const std::string& name) {
    for (const Named& entry : kFormats) {
        if (name == entry.name) {
            return entry.format;
        }
    }
    return DXGI_FORMAT_UNKNOWN;
}

// "4", "4x2" or "2x2x2" into width, height and depth.
bool ReadExtent(const std::string& text, View* view) {
    unsigned* sizes[] = {&view->width, &view->height, &view->depth};
    std::istringstream parts(text);
    std::string part;
    for (unsigned i = 0; std::getline(parts, part, 'x'); ++i) {
        if (i == 3 || part.empty() || part.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        *sizes[i] = static_cast<unsigned>(std::strtoul(part.c_str(), nullptr, 10));
    }
    return view->width > 0 && view->height > 0 && view->depth > 0;
}

// The words after the shape: format and extent, or stride and count, then
// "mips N", "slices N", "samples N", "counter N" or "depth-stencil" in any
// order.
bool ReadShapeWords(std::istringstream& words, View* view) {
    std::string word;
    if (view->shape != Shape::StructuredBuffer && view->shape != Shape::RawBuffer) {
        words >> word;
        view->format = FormatNamed(word);
        if (view->format == DXGI_FORMAT_UNKNOWN) {
            return false;
        }
    }
    if (view->shape == Shape::StructuredBuffer && !(words >> view->stride)) {
        return false;
    }
    if (view->IsBuffer()) {
        if (!(words >> view->elements) || view->elements == 0) {
            return false;
        }
    } else {
        words >> word;
        if (!ReadExtent(word, view)) {
            return false;
        }
        if (view->shape == Shape::TextureCube || view->shape == Shape::TextureCubeArray) {
            view->slices = 6;
        }
    }
    for (std::string option; words >> option;) {
        unsigned value = 0;
        if (option == "depth-stencil") {
            view->depthStencil = view->format == DXGI_FORMAT_R32_FLOAT;
            if (!view->depthStencil) {
                return false;
            }
            continue;
        }
        if (!(words >> value)) {
            return false;
        }
        if (option == "mips") {
            view->mips = value;
        } else if (option == "slices") {
            view->slices = value;
        } else if (option == "samples") {
            view->samples = value;
        } else if (option == "counter") {
            view->counter = static_cast<int>(value);
        } else {
            return false;
        }
    }
    return true;
}

bool ReadView(char registerKind, const std::string& rest, View* view) {
    const size_t colon = rest.find(':');
    std::istringstream head(rest.substr(0, colon));
    std::string slot;
    head >> slot;
    if (slot.size() < 2 || slot[0] != registerKind) {
        return false;
    }
    view->registerKind = registerKind;
    view->slot = static_cast<unsigned>(std::strtoul(slot.c_str() + 1, nullptr, 10));
    const size_t valuesAt = colon == std::string::npos ? colon : rest.find(':', colon + 1);
    std::istringstream words(rest.substr(colon + 1, valuesAt - colon - 1));
    std::string shape;
    words >> shape;
    const auto found = std::find_if(std::begin(kShapes), std::end(kShapes),
                                    [&](const auto& entry) { return shape == entry.first; });
    if (found == std::end(kShapes)) {
        return false;
    }
    view->shape = found->second;
    if (!ReadShapeWords(words, view)) {
        return false;
    }
    if (valuesAt == std::string::npos) {
        return true;
    }
    const bool floats = IsFloatFormat(view->format);
    std::istringstream values(rest.substr(valuesAt + 1));
    for (std::string word; values >> word;) {
        uint32_t bits = 0;
        if (!ParseWord(word, floats || (view->format == DXGI_FORMAT_UNKNOWN && IsFloatWord(word)),
                       &bits)) {
            return false;
        }
        view->contents.push_back(bits);
    }
    return true;
}

// A decimal number such as "1", "-0.5" or "2.25".
bool IsNumber(const std::string& word) {
    char* end = nullptr;
    std::strtof(word.c_str(), &end);
    return !word.empty() && end != nullptr && *end == '\0';
}

struct FilterName {
    const char* word;
    const char* plain;
    const char* comparison;
    D3D12_FILTER plainValue;
    D3D12_FILTER comparisonValue;
};

constexpr FilterName kFilters[] = {
    {"point", "FILTER_MIN_MAG_MIP_POINT", "FILTER_COMPARISON_MIN_MAG_MIP_POINT",
     D3D12_FILTER_MIN_MAG_MIP_POINT, D3D12_FILTER_COMPARISON_MIN_MAG_MIP_POINT},
    {"linear", "FILTER_MIN_MAG_MIP_LINEAR", "FILTER_COMPARISON_MIN_MAG_MIP_LINEAR",
     D3D12_FILTER_MIN_MAG_MIP_LINEAR, D3D12_FILTER_COMPARISON_MIN_MAG_MIP_LINEAR},
    {"linear-mip-point", "FILTER_MIN_MAG_LINEAR_MIP_POINT",
     "FILTER_COMPARISON_MIN_MAG_LINEAR_MIP_POINT", D3D12_FILTER_MIN_MAG_LINEAR_MIP_POINT,
     D3D12_FILTER_COMPARISON_MIN_MAG_LINEAR_MIP_POINT},
    {"point-mip-linear", "FILTER_MIN_MAG_POINT_MIP_LINEAR",
     "FILTER_COMPARISON_MIN_MAG_POINT_MIP_LINEAR", D3D12_FILTER_MIN_MAG_POINT_MIP_LINEAR,
     D3D12_FILTER_COMPARISON_MIN_MAG_POINT_MIP_LINEAR},
    {"anisotropic", "FILTER_ANISOTROPIC", "FILTER_COMPARISON_ANISOTROPIC", D3D12_FILTER_ANISOTROPIC,
     D3D12_FILTER_COMPARISON_ANISOTROPIC},
    {"minimum", "FILTER_MINIMUM_MIN_MAG_MIP_LINEAR", nullptr,
     D3D12_FILTER_MINIMUM_MIN_MAG_MIP_LINEAR, D3D12_FILTER(0)},
    {"maximum", "FILTER_MAXIMUM_MIN_MAG_MIP_LINEAR", nullptr,
     D3D12_FILTER_MAXIMUM_MIN_MAG_MIP_LINEAR, D3D12_FILTER(0)},
};

constexpr std::pair<const char*, D3D12_TEXTURE_ADDRESS_MODE> kAddressModes[] = {
    {"WRAP", D3D12_TEXTURE_ADDRESS_MODE_WRAP},
    {"MIRROR", D3D12_TEXTURE_ADDRESS_MODE_MIRROR},
    {"CLAMP", D3D12_TEXTURE_ADDRESS_MODE_CLAMP},
    {"BORDER", D3D12_TEXTURE_ADDRESS_MODE_BORDER},
    {"MIRROR_ONCE", D3D12_TEXTURE_ADDRESS_MODE_MIRROR_ONCE},
};

constexpr std::pair<const char*, D3D12_COMPARISON_FUNC> kComparisons[] = {
    {"NEVER", D3D12_COMPARISON_FUNC_NEVER},
    {"LESS", D3D12_COMPARISON_FUNC_LESS},
    {"EQUAL", D3D12_COMPARISON_FUNC_EQUAL},
    {"LESS_EQUAL", D3D12_COMPARISON_FUNC_LESS_EQUAL},
    {"GREATER", D3D12_COMPARISON_FUNC_GREATER},
    {"NOT_EQUAL", D3D12_COMPARISON_FUNC_NOT_EQUAL},
    {"GREATER_EQUAL", D3D12_COMPARISON_FUNC_GREATER_EQUAL},
    {"ALWAYS", D3D12_COMPARISON_FUNC_ALWAYS},
};

// The fixed border colours: a static sampler's name for each and its value.
struct BorderName {
    const char* word;
    const char* name;
    float colour[4];
};

constexpr BorderName kBorders[] = {
    {"BLACK", "OPAQUE_BLACK", {0, 0, 0, 1}},
    {"WHITE", "OPAQUE_WHITE", {1, 1, 1, 1}},
    {"TRANSPARENT", "TRANSPARENT_BLACK", {0, 0, 0, 0}},
};

// The sampler words followed by a number: "bias 1", "minlod 0.5", ...
constexpr std::pair<const char*, const char*> kSamplerNumbers[] = {
    {"BIAS", "mipLODBias"},
    {"MINLOD", "minLOD"},
    {"MAXLOD", "maxLOD"},
    {"ANISOTROPY", "maxAnisotropy"},
};

template <typename Table> auto FindWord(const Table& table, const std::string& word) {
    return std::find_if(std::begin(table), std::end(table),
                        [&](const auto& entry) { return word == entry.first; });
}

// What a sampler line says, before it becomes a static sampler or a heap's.
struct SamplerWords {
    std::string slot;
    const FilterName* filter = nullptr;
    std::string address;
    std::string comparison;
    const BorderName* border = &kBorders[0];
    bool heap = false;
    bool customColour = false;
    float colour[4] = {0, 0, 0, 1};
    std::vector<std::pair<std::string, float>> numbers; // "minLOD", 1
};

// "1,0,0.5,1" into four floats.
bool ReadColour(const std::string& text, float* colour) {
    std::istringstream parts(text);
    std::string part;
    unsigned i = 0;
    for (; i < 4 && std::getline(parts, part, ','); ++i) {
        if (!IsNumber(part)) {
            return false;
        }
        colour[i] = std::strtof(part.c_str(), nullptr);
    }
    return i == 4 && !std::getline(parts, part, ',');
}

// The words after the address mode: a comparison function, a border colour
// (black, white, transparent, or "colour r,g,b,a" in a heap), "heap", and
// numbered words.
bool ReadSamplerOptions(std::istringstream& words, SamplerWords* sampler) {
    for (std::string word; words >> word;) {
        std::transform(word.begin(), word.end(), word.begin(), ::toupper);
        const auto number = FindWord(kSamplerNumbers, word);
        const auto border =
            std::find_if(std::begin(kBorders), std::end(kBorders),
                         [&](const BorderName& entry) { return word == entry.word; });
        std::string value;
        if (number != std::end(kSamplerNumbers)) {
            if (!(words >> value) || !IsNumber(value)) {
                return false;
            }
            sampler->numbers.emplace_back(number->second, std::strtof(value.c_str(), nullptr));
        } else if (border != std::end(kBorders)) {
            sampler->border = border;
        } else if (word == "HEAP") {
            sampler->heap = true;
        } else if (word == "COLOUR") {
            sampler->customColour = (words >> value) && ReadColour(value, sampler->colour);
            if (!sampler->customColour) {
                return false;
            }
        } else if (FindWord(kComparisons, word) != std::end(kComparisons)) {
            sampler->comparison = word;
        } else {
            return false;
        }
    }
    return !sampler->customColour || sampler->heap; // static samplers have fixed colours only
}

std::string StaticSamplerText(const SamplerWords& sampler) {
    const std::string mode = "TEXTURE_ADDRESS_" + sampler.address;
    std::string text =
        "StaticSampler(" + sampler.slot + ", filter = " +
        (sampler.comparison.empty() ? sampler.filter->plain : sampler.filter->comparison) +
        ", addressU = " + mode + ", addressV = " + mode + ", addressW = " + mode +
        ", borderColor = STATIC_BORDER_COLOR_" + sampler.border->name;
    if (!sampler.comparison.empty()) {
        text += ", comparisonFunc = COMPARISON_" + sampler.comparison;
    }
    for (const auto& [name, value] : sampler.numbers) {
        std::ostringstream number;
        number << value;
        text += ", " + name + " = " + number.str();
    }
    return text + ")";
}

HeapSampler HeapSamplerOf(const SamplerWords& sampler) {
    HeapSampler heap;
    heap.slot = static_cast<unsigned>(std::strtoul(sampler.slot.c_str() + 1, nullptr, 10));
    D3D12_SAMPLER_DESC& desc = heap.desc;
    desc.Filter =
        sampler.comparison.empty() ? sampler.filter->plainValue : sampler.filter->comparisonValue;
    desc.AddressU = desc.AddressV = desc.AddressW =
        FindWord(kAddressModes, sampler.address)->second;
    desc.MaxAnisotropy = 16;
    desc.ComparisonFunc = sampler.comparison.empty()
                              ? D3D12_COMPARISON_FUNC_LESS_EQUAL
                              : FindWord(kComparisons, sampler.comparison)->second;
    const float* colour = sampler.customColour ? sampler.colour : sampler.border->colour;
    std::copy(colour, colour + 4, desc.BorderColor);
    desc.MaxLOD = D3D12_FLOAT32_MAX;
    for (const auto& [name, value] : sampler.numbers) {
        if (name == "maxAnisotropy") {
            desc.MaxAnisotropy = UINT(value);
        } else {
            (name == "mipLODBias" ? desc.MipLODBias
             : name == "minLOD"   ? desc.MinLOD
                                  : desc.MaxLOD) = value;
        }
    }
    return heap;
}

// "s0: linear wrap less white bias 1" into a static sampler or, with "heap",
// a sampler in a descriptor heap: a filter, an address mode, then the options.
bool ReadSampler(const std::string& rest, Declarations* declarations) {
    std::istringstream words(rest);
    SamplerWords sampler;
    std::string filter;
    words >> sampler.slot >> filter >> sampler.address;
    std::transform(sampler.address.begin(), sampler.address.end(), sampler.address.begin(),
                   ::toupper);
    if (sampler.slot.size() < 3 || sampler.slot[0] != 's' || sampler.slot.back() != ':' ||
        FindWord(kAddressModes, sampler.address) == std::end(kAddressModes) ||
        !ReadSamplerOptions(words, &sampler)) {
        return false;
    }
    sampler.slot.pop_back();
    sampler.filter = std::find_if(std::begin(kFilters), std::end(kFilters),
                                  [&](const FilterName& entry) { return filter == entry.word; });
    if (sampler.filter == std::end(kFilters) ||
        (!sampler.comparison.empty() && sampler.filter->comparison == nullptr)) {
        return false;
    }
    if (sampler.heap) {
        declarations->heapSamplers.push_back(HeapSamplerOf(sampler));
    } else {
        declarations->samplers.push_back(StaticSamplerText(sampler));
    }
    return true;
}

bool ReadExpectation(const std::string& rest, Expectation* expectation) {
    const size_t colon = rest.find(':');
    std::istringstream head(rest.substr(0, colon));
    std::string slot, what;
    head >> slot >> what;
    if (colon == std::string::npos || slot.size() < 2 || slot[0] != 'u') {
        return false;
    }
    expectation->slot = static_cast<unsigned>(std::strtoul(slot.c_str() + 1, nullptr, 10));
    expectation->counter = what == "counter";
    std::istringstream values(rest.substr(colon + 1));
    for (std::string word; values >> word;) {
        uint32_t bits = 0;
        if (!ParseWord(word, IsFloatWord(word), &bits)) {
            return false;
        }
        expectation->words.push_back(word);
    }
    return !expectation->words.empty();
}

} // namespace

bool IsFloatFormat(DXGI_FORMAT format) {
    return format == DXGI_FORMAT_R32G32B32A32_FLOAT || format == DXGI_FORMAT_R32G32_FLOAT ||
           format == DXGI_FORMAT_R32_FLOAT;
}

unsigned TexelBytes(DXGI_FORMAT format) {
    for (const Named& entry : kFormats) {
        if (format == entry.format) {
            return entry.bytes;
        }
    }
    return 0;
}

bool IsFloatWord(const std::string& word) {
    // A hexadecimal word is bits, though its digits may hold an E.
    const size_t digits = word.rfind('-', 0) == 0 ? 1 : 0;
    if (word.compare(digits, 2, "0x") == 0 || word.compare(digits, 2, "0X") == 0) {
        return false;
    }
    return word.find_first_of(".eEiInN") != std::string::npos;
}

bool ParseWord(const std::string& word, bool asFloat, uint32_t* bits) {
    char* end = nullptr;
    if (asFloat) {
        const float value = std::strtof(word.c_str(), &end);
        std::memcpy(bits, &value, sizeof value);
    } else if (word[0] == '-') {
        *bits = static_cast<uint32_t>(std::strtol(word.c_str(), &end, 0));
    } else {
        *bits = static_cast<uint32_t>(std::strtoul(word.c_str(), &end, 0));
    }
    return end != nullptr && *end == '\0';
}

bool Declarations::Read(const std::string& key, const std::string& rest) {
    bool good = true;
    if (key == "texture" || key == "buffer" || key == "uav") {
        View view;
        good = ReadView(key == "uav" ? 'u' : 't', rest, &view) &&
               (key != "texture" || !view.IsBuffer()) && (key != "buffer" || view.IsBuffer());
        views.push_back(view);
    } else if (key == "sampler") {
        good = ReadSampler(rest, this);
    } else if (key == "expect") {
        Expectation expectation;
        good = ReadExpectation(rest, &expectation);
        expectations.push_back(expectation);
    } else {
        return false;
    }
    if (!good && problem.empty()) {
        problem = key + rest;
    }
    return true;
}

std::string Declarations::RootSignature() const {
    std::string text = "DescriptorTable(CBV(b0)";
    for (const View& view : views) {
        text += view.registerKind == 'u' ? ", UAV(u" : ", SRV(t";
        text += std::to_string(view.slot) + ")";
    }
    text += ")";
    if (!heapSamplers.empty()) {
        text += ", DescriptorTable(";
        for (const HeapSampler& sampler : heapSamplers) {
            text += (&sampler == &heapSamplers[0] ? "Sampler(s" : ", Sampler(s") +
                    std::to_string(sampler.slot) + ")";
        }
        text += ")";
    }
    for (const std::string& sampler : samplers) {
        text += ", " + sampler;
    }
    return text;
}

} // namespace corpus_resources
