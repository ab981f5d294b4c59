#pragma once

#include "errors.h"

#include <array>
#include <cstddef>

namespace rt {

// A fixed array indexed from Lower to Upper inclusive; an index outside
// raises Subscript out of range.
template <typename T, int Lower, int Upper>
class BoundedArray {
    static_assert(Lower <= Upper);

public:
    T& operator()(int index) { return m_items[slot(index)]; }
    const T& operator()(int index) const { return m_items[slot(index)]; }
    static constexpr int LBound() { return Lower; }
    static constexpr int UBound() { return Upper; }

private:
    static std::size_t slot(int index)
    {
        if (index < Lower || index > Upper) raise(ErrorCode::SubscriptOutOfRange);
        return std::size_t(index - Lower);
    }

    std::array<T, std::size_t(Upper - Lower + 1)> m_items{};
};

}  // namespace rt
