// A command's list of values (viewports, barriers, vertex buffers,
// attachments): the usual few kept in place, so filling them allocates
// nothing; more than `N` go to the heap, all together.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace d3d12_standin {

template <typename T, size_t N> class InlineVector {
public:
    InlineVector() = default;
    explicit InlineVector(size_t count) { resize(count); }
    InlineVector(const T* items, size_t count) { assign(items, items + count); }

    template <typename Iterator> void assign(Iterator first, Iterator last) {
        clear();
        for (; first != last; ++first) {
            push_back(*first);
        }
    }
    void push_back(T value) {
        if (!onHeap_ && size_ < N) {
            inline_[size_++] = std::move(value);
            return;
        }
        MoveToHeap();
        spilled_.push_back(std::move(value));
        ++size_;
    }
    // As for std::vector, `count` items fit without moving those already in.
    void reserve(size_t count) {
        if (count > N) {
            MoveToHeap();
            spilled_.reserve(count);
        }
    }
    void resize(size_t count) {
        clear();
        if (count > N) {
            onHeap_ = true;
            spilled_.resize(count);
        }
        size_ = count;
    }
    void clear() {
        std::fill(inline_.begin(), inline_.end(), T{});
        spilled_.clear();
        onHeap_ = false;
        size_ = 0;
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* data() { return onHeap_ ? spilled_.data() : inline_.data(); }
    const T* data() const { return onHeap_ ? spilled_.data() : inline_.data(); }
    T& operator[](size_t i) { return data()[i]; }
    const T& operator[](size_t i) const { return data()[i]; }
    T& back() { return data()[size_ - 1]; }
    T* begin() { return data(); }
    T* end() { return data() + size_; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size_; }

private:
    void MoveToHeap() {
        if (!onHeap_) {
            spilled_.assign(std::make_move_iterator(inline_.begin()),
                            std::make_move_iterator(inline_.begin() + size_));
            std::fill(inline_.begin(), inline_.end(), T{});
            onHeap_ = true;
        }
    }

    std::array<T, N> inline_{};
    std::vector<T> spilled_;
    size_t size_ = 0;
    bool onHeap_ = false;
};

} // namespace d3d12_standin
