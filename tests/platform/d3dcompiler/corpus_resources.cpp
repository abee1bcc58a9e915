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
// "mips N", "slices N" or "counter N" in any order.
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
        if (view->shape == Shape::TextureCube) {
            view->slices = 6;
        }
    }
    for (std::string option; words >> option;) {
        unsigned value = 0;
        if (!(words >> value)) {
            return false;
        }
        if (option == "mips") {
            view->mips = value;
        } else if (option == "slices") {
            view->slices = value;
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
};

constexpr FilterName kFilters[] = {
    {"point", "FILTER_MIN_MAG_MIP_POINT", "FILTER_COMPARISON_MIN_MAG_MIP_POINT"},
    {"linear", "FILTER_MIN_MAG_MIP_LINEAR", "FILTER_COMPARISON_MIN_MAG_MIP_LINEAR"},
    {"linear-mip-point", "FILTER_MIN_MAG_LINEAR_MIP_POINT",
     "FILTER_COMPARISON_MIN_MAG_LINEAR_MIP_POINT"},
    {"point-mip-linear", "FILTER_MIN_MAG_POINT_MIP_LINEAR",
     "FILTER_COMPARISON_MIN_MAG_POINT_MIP_LINEAR"},
    {"anisotropic", "FILTER_ANISOTROPIC", "FILTER_COMPARISON_ANISOTROPIC"},
    {"minimum", "FILTER_MINIMUM_MIN_MAG_MIP_LINEAR", nullptr},
    {"maximum", "FILTER_MAXIMUM_MIN_MAG_MIP_LINEAR", nullptr},
};

const char* FilterNamed(const std::string& filter, bool comparison) {
    for (const FilterName& entry : kFilters) {
        if (filter == entry.word) {
            return comparison ? entry.comparison : entry.plain;
        }
    }
    return nullptr;
}

// The sampler words followed by a number: "bias 1", "minlod 0.5", ...
constexpr std::pair<const char*, const char*> kSamplerNumbers[] = {
    {"BIAS", "mipLODBias"},
    {"MINLOD", "minLOD"},
    {"MAXLOD", "maxLOD"},
    {"ANISOTROPY", "maxAnisotropy"},
};

// ", minLOD = 1" for a numbered word and its number; empty when the word is
// none of them or no number follows.
std::string SamplerNumber(const std::string& word, std::istringstream& words) {
    const auto found = std::find_if(std::begin(kSamplerNumbers), std::end(kSamplerNumbers),
                                    [&](const auto& entry) { return word == entry.first; });
    std::string number;
    if (found == std::end(kSamplerNumbers) || !(words >> number) || !IsNumber(number)) {
        return "";
    }
    return std::string(", ") + found->second + " = " + number;
}

// "s0: linear wrap less white bias 1" into a StaticSampler: a filter, an
// address mode, then optionally a comparison function, a border colour and
// numbered words.
bool ReadSampler(const std::string& rest, std::string* text) {
    std::istringstream words(rest);
    std::string slot, filter, address;
    words >> slot >> filter >> address;
    if (slot.size() < 3 || slot[0] != 's' || slot.back() != ':') {
        return false;
    }
    slot.pop_back();
    std::string comparison, border = "OPAQUE_BLACK", numbers;
    for (std::string word; words >> word;) {
        std::transform(word.begin(), word.end(), word.begin(), ::toupper);
        const std::string number = SamplerNumber(word, words);
        if (!number.empty()) {
            numbers += number;
        } else if (word == "WHITE" || word == "BLACK") {
            border = "OPAQUE_" + word;
        } else if (word == "TRANSPARENT") {
            border = "TRANSPARENT_BLACK";
        } else {
            comparison = word;
        }
    }
    const char* filterName = FilterNamed(filter, !comparison.empty());
    if (filterName == nullptr || address.empty()) {
        return false;
    }
    std::transform(address.begin(), address.end(), address.begin(), ::toupper);
    const std::string mode = "TEXTURE_ADDRESS_" + address;
    *text = "StaticSampler(" + slot + ", filter = " + filterName + ", addressU = " + mode +
            ", addressV = " + mode + ", addressW = " + mode +
            ", borderColor = STATIC_BORDER_COLOR_" + border;
    if (!comparison.empty()) {
        *text += ", comparisonFunc = COMPARISON_" + comparison;
    }
    *text += numbers + ")";
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
        std::string text;
        good = ReadSampler(rest, &text);
        samplers.push_back(text);
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
    for (const std::string& sampler : samplers) {
        text += ", " + sampler;
    }
    return text;
}

} // namespace corpus_resources
