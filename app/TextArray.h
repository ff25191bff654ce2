// A text array of fixed capacity that no index can overrun: reads at or past
// the capacity (or below 0) give the empty text, writes there are dropped.
#pragma once

#include <array>
#include <cstddef>
#include <string>

template <std::size_t Capacity>
class TextArray {
public:
    static constexpr int capacity() { return static_cast<int>(Capacity); }

    const std::string& operator[](int index) const {
        return InRange(index) ? entries_[static_cast<std::size_t>(index)] : empty_;
    }
    void Set(int index, std::string value) {
        if (InRange(index)) entries_[static_cast<std::size_t>(index)] = std::move(value);
    }

private:
    static constexpr bool InRange(int index) { return index >= 0 && index < capacity(); }

    std::array<std::string, Capacity> entries_{};
    std::string empty_;
};
