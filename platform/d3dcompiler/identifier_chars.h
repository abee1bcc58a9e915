// The characters of a name, as HLSL and root signature strings both spell
// them: a letter or underscore, then letters, digits and underscores.
#pragma once

#include <cctype>
#include <cstdint>

namespace d3dcompiler_standin {

inline bool IsIdentifierStart(char c) {
    return std::isalpha(uint8_t(c)) || c == '_';
}

inline bool IsIdentifierPart(char c) {
    return std::isalnum(uint8_t(c)) || c == '_';
}

} // namespace d3dcompiler_standin
