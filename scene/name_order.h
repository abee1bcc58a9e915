// The one ordering of names used by every name-keyed map: plain lexicographic
// order of the bytes as unsigned values over the whole counted length, so that
// zero bytes and bytes of 0x80 and above order like any other byte.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

struct NameLess {
    bool operator()(const std::string& left, const std::string& right) const {
        const size_t common = std::min(left.size(), right.size());
        if (common != 0) {
            const int order = std::memcmp(left.data(), right.data(), common);
            if (order != 0) {
                return order < 0;
            }
        }
        return left.size() < right.size();
    }
};
