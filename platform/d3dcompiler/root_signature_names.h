// The enumerated words of the root-signature language, with their values.
#pragma once

#include <cstdint>
#include <string>

namespace d3dcompiler_standin {

enum class RootSignatureWords {
    RootFlag,            // ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT, DENY_*_ROOT_ACCESS, ...
    DescriptorRangeFlag, // DESCRIPTORS_VOLATILE, DATA_*, ...
    RootDescriptorFlag,  // DATA_VOLATILE, DATA_STATIC_WHILE_SET_AT_EXECUTE, DATA_STATIC
    Visibility,          // SHADER_VISIBILITY_*
    Filter,              // FILTER_*
    AddressMode,         // TEXTURE_ADDRESS_*
    ComparisonFunc,      // COMPARISON_*
    BorderColor,         // STATIC_BORDER_COLOR_*
};

// Case-insensitive lookup; false when `word` is not one of the set.
bool LookUpRootSignatureWord(RootSignatureWords set, const std::string& word, uint32_t* value);

} // namespace d3dcompiler_standin
