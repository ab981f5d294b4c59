#pragma once

#include "values/errors.h"

#include <vector>

namespace rt {

// A fixed-size array with declared bounds, such as 30 Integers indexed 1 to
// 30. Every element starts as T's default (0 for numbers). An index outside
// the bounds raises Subscript out of range (9).
template <typename T>
class Array {
public:
    Array(int lower, int upper) : m_lower(lower), m_elements(upper >= lower ? upper - lower + 1 : 0)
    {
    }

    T& operator[](int index) { return m_elements[offset(index)]; }
    const T& operator[](int index) const { return m_elements[offset(index)]; }

    int LBound() const { return m_lower; }
    int UBound() const { return m_lower + int(m_elements.size()) - 1; }

private:
    size_t offset(int index) const
    {
        if (index < m_lower || index > UBound()) raise(ErrorCode::SubscriptOutOfRange);
        return size_t(index - m_lower);
    }

    int m_lower;
    std::vector<T> m_elements;
};

}  // namespace rt
