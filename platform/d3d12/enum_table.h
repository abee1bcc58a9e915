// Enumerations translated through tables of pairs rather than switches, so
// that each translation reads as the list of what maps to what.
#pragma once

#include <cstddef>
#include <type_traits>

namespace d3d12_standin {

template <typename From, typename To> struct EnumPair {
    From from;
    To to;
};

// What `value` maps to in `table`, or `fallback` for a value it lacks.
template <typename From, typename To, std::size_t N>
constexpr To Translate(const EnumPair<From, To> (&table)[N], std::type_identity_t<From> value,
                       std::type_identity_t<To> fallback) {
    for (const EnumPair<From, To>& pair : table) {
        if (pair.from == value) {
            return pair.to;
        }
    }
    return fallback;
}

} // namespace d3d12_standin
