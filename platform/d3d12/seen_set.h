// Which objects a list or a submission has already seen. Most see a handful,
// found faster by a scan than in a set; the set is filled only past that.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <unordered_set>

namespace d3d12_standin {

template <typename T> class SeenSet {
public:
    // True the first time `object` is inserted.
    bool Insert(const T* object) {
        if (count_ < kScanned) {
            if (std::find(few_.begin(), few_.begin() + count_, object) != few_.begin() + count_) {
                return false;
            }
            few_[count_++] = object;
            return true;
        }
        if (many_.empty()) {
            many_.insert(few_.begin(), few_.end());
        }
        return many_.insert(object).second;
    }

    void Clear() {
        count_ = 0;
        many_.clear();
    }

private:
    static constexpr size_t kScanned = 16;
    std::array<const T*, kScanned> few_{};
    size_t count_ = 0;
    std::unordered_set<const T*> many_;
};

} // namespace d3d12_standin
