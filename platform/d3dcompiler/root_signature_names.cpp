#include "root_signature_names.h"

#include <span>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

struct Word {
    const char* name;
    uint32_t value;
};

constexpr Word kRootFlags[] = {
    {"ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT", 0x1},
    {"DENY_VERTEX_SHADER_ROOT_ACCESS", 0x2},
    {"DENY_HULL_SHADER_ROOT_ACCESS", 0x4},
    {"DENY_DOMAIN_SHADER_ROOT_ACCESS", 0x8},
    {"DENY_GEOMETRY_SHADER_ROOT_ACCESS", 0x10},
    {"DENY_PIXEL_SHADER_ROOT_ACCESS", 0x20},
    {"ALLOW_STREAM_OUTPUT", 0x40},
    {"LOCAL_ROOT_SIGNATURE", 0x80},
    {"DENY_AMPLIFICATION_SHADER_ROOT_ACCESS", 0x100},
    {"DENY_MESH_SHADER_ROOT_ACCESS", 0x200},
    {"CBV_SRV_UAV_HEAP_DIRECTLY_INDEXED", 0x400},
    {"SAMPLER_HEAP_DIRECTLY_INDEXED", 0x800},
};

constexpr Word kDescriptorRangeFlags[] = {
    {"DESCRIPTORS_VOLATILE", 0x1},
    {"DATA_VOLATILE", 0x2},
    {"DATA_STATIC_WHILE_SET_AT_EXECUTE", 0x4},
    {"DATA_STATIC", 0x8},
    {"DESCRIPTORS_STATIC_KEEPING_BUFFER_BOUNDS_CHECKS", 0x10000},
};

constexpr Word kRootDescriptorFlags[] = {
    {"DATA_VOLATILE", 0x2},
    {"DATA_STATIC_WHILE_SET_AT_EXECUTE", 0x4},
    {"DATA_STATIC", 0x8},
};

constexpr Word kVisibilities[] = {
    {"SHADER_VISIBILITY_ALL", 0},           {"SHADER_VISIBILITY_VERTEX", 1},
    {"SHADER_VISIBILITY_HULL", 2},          {"SHADER_VISIBILITY_DOMAIN", 3},
    {"SHADER_VISIBILITY_GEOMETRY", 4},      {"SHADER_VISIBILITY_PIXEL", 5},
    {"SHADER_VISIBILITY_AMPLIFICATION", 6}, {"SHADER_VISIBILITY_MESH", 7},
};

constexpr Word kFilters[] = {
    {"FILTER_MIN_MAG_MIP_POINT", 0},
    {"FILTER_MIN_MAG_POINT_MIP_LINEAR", 0x1},
    {"FILTER_MIN_POINT_MAG_LINEAR_MIP_POINT", 0x4},
    {"FILTER_MIN_POINT_MAG_MIP_LINEAR", 0x5},
    {"FILTER_MIN_LINEAR_MAG_MIP_POINT", 0x10},
    {"FILTER_MIN_LINEAR_MAG_POINT_MIP_LINEAR", 0x11},
    {"FILTER_MIN_MAG_LINEAR_MIP_POINT", 0x14},
    {"FILTER_MIN_MAG_MIP_LINEAR", 0x15},
    {"FILTER_ANISOTROPIC", 0x55},
    {"FILTER_COMPARISON_MIN_MAG_MIP_POINT", 0x80},
    {"FILTER_COMPARISON_MIN_MAG_POINT_MIP_LINEAR", 0x81},
    {"FILTER_COMPARISON_MIN_POINT_MAG_LINEAR_MIP_POINT", 0x84},
    {"FILTER_COMPARISON_MIN_POINT_MAG_MIP_LINEAR", 0x85},
    {"FILTER_COMPARISON_MIN_LINEAR_MAG_MIP_POINT", 0x90},
    {"FILTER_COMPARISON_MIN_LINEAR_MAG_POINT_MIP_LINEAR", 0x91},
    {"FILTER_COMPARISON_MIN_MAG_LINEAR_MIP_POINT", 0x94},
    {"FILTER_COMPARISON_MIN_MAG_MIP_LINEAR", 0x95},
    {"FILTER_COMPARISON_ANISOTROPIC", 0xd5},
    {"FILTER_MINIMUM_MIN_MAG_MIP_POINT", 0x100},
    {"FILTER_MINIMUM_MIN_MAG_POINT_MIP_LINEAR", 0x101},
    {"FILTER_MINIMUM_MIN_POINT_MAG_LINEAR_MIP_POINT", 0x104},
    {"FILTER_MINIMUM_MIN_POINT_MAG_MIP_LINEAR", 0x105},
    {"FILTER_MINIMUM_MIN_LINEAR_MAG_MIP_POINT", 0x110},
    {"FILTER_MINIMUM_MIN_LINEAR_MAG_POINT_MIP_LINEAR", 0x111},
    {"FILTER_MINIMUM_MIN_MAG_LINEAR_MIP_POINT", 0x114},
    {"FILTER_MINIMUM_MIN_MAG_MIP_LINEAR", 0x115},
    {"FILTER_MINIMUM_ANISOTROPIC", 0x155},
    {"FILTER_MAXIMUM_MIN_MAG_MIP_POINT", 0x180},
    {"FILTER_MAXIMUM_MIN_MAG_POINT_MIP_LINEAR", 0x181},
    {"FILTER_MAXIMUM_MIN_POINT_MAG_LINEAR_MIP_POINT", 0x184},
    {"FILTER_MAXIMUM_MIN_POINT_MAG_MIP_LINEAR", 0x185},
    {"FILTER_MAXIMUM_MIN_LINEAR_MAG_MIP_POINT", 0x190},
    {"FILTER_MAXIMUM_MIN_LINEAR_MAG_POINT_MIP_LINEAR", 0x191},
    {"FILTER_MAXIMUM_MIN_MAG_LINEAR_MIP_POINT", 0x194},
    {"FILTER_MAXIMUM_MIN_MAG_MIP_LINEAR", 0x195},
    {"FILTER_MAXIMUM_ANISOTROPIC", 0x1d5},
};

constexpr Word kAddressModes[] = {
    {"TEXTURE_ADDRESS_WRAP", 1},   {"TEXTURE_ADDRESS_MIRROR", 2},      {"TEXTURE_ADDRESS_CLAMP", 3},
    {"TEXTURE_ADDRESS_BORDER", 4}, {"TEXTURE_ADDRESS_MIRROR_ONCE", 5},
};

constexpr Word kComparisonFuncs[] = {
    {"COMPARISON_NEVER", 1},         {"COMPARISON_LESS", 2},    {"COMPARISON_EQUAL", 3},
    {"COMPARISON_LESS_EQUAL", 4},    {"COMPARISON_GREATER", 5}, {"COMPARISON_NOT_EQUAL", 6},
    {"COMPARISON_GREATER_EQUAL", 7}, {"COMPARISON_ALWAYS", 8},
};

constexpr Word kBorderColors[] = {
    {"STATIC_BORDER_COLOR_TRANSPARENT_BLACK", 0},
    {"STATIC_BORDER_COLOR_OPAQUE_BLACK", 1},
    {"STATIC_BORDER_COLOR_OPAQUE_WHITE", 2},
};

// Every set with its words, so a lookup is one search whatever the set.
struct WordSet {
    RootSignatureWords set;
    std::span<const Word> words;
};

constexpr WordSet kWordSets[] = {
    {RootSignatureWords::RootFlag, kRootFlags},
    {RootSignatureWords::DescriptorRangeFlag, kDescriptorRangeFlags},
    {RootSignatureWords::RootDescriptorFlag, kRootDescriptorFlags},
    {RootSignatureWords::Visibility, kVisibilities},
    {RootSignatureWords::Filter, kFilters},
    {RootSignatureWords::AddressMode, kAddressModes},
    {RootSignatureWords::ComparisonFunc, kComparisonFuncs},
    {RootSignatureWords::BorderColor, kBorderColors},
};

} // namespace

bool LookUpRootSignatureWord(RootSignatureWords set, const std::string& word, uint32_t* value) {
    for (const WordSet& candidates : kWordSets) {
        if (candidates.set != set) {
            continue;
        }
        for (const Word& candidate : candidates.words) {
            if (strcasecmp(candidate.name, word.c_str()) == 0) {
                *value = candidate.value;
                return true;
            }
        }
    }
    return false;
}

} // namespace d3dcompiler_standin
