#pragma once

#include "values/errors.h"

#include <concepts>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

namespace rt {

using Single = float;
using Double = double;

// Truth values as the programs store them in Integers.
inline constexpr int16_t True = -1;
inline constexpr int16_t False = 0;
inline constexpr int16_t truth(bool b)
{
    return b ? True : False;
}

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
Double roundHalfEven(Double x);

template <typename Rep>
class Checked;

namespace detail {
template <typename T>
struct IsChecked : std::false_type {
};
template <typename R>
struct IsChecked<Checked<R>> : std::true_type {
};
// A Checked type of another width than Rep.
template <typename T, typename Rep>
concept OtherChecked = IsChecked<T>::value && !std::same_as<typename T::rep, Rep>;

// Whole-number operands that mix with Checked values; bool is left out on
// purpose because truth values are -1 and 0, not 1 and 0 (use truth()).
template <typename T>
concept WholeOperand = std::integral<T> && !std::same_as<T, bool>;
}  // namespace detail

// A whole number of a fixed width whose arithmetic raises Overflow instead of
// wrapping. Integer is 16-bit, Long is 32-bit.
//
// Construction and assignment are checked too: a whole number out of range
// raises Overflow, a floating-point number is rounded halves to even first (as
// CInt and CLng do). Mixed arithmetic:
//   Integer op Long          -> Long (the wider type), checked;
//   Checked op C++ integer   -> the Checked type, checked (literals such as 1);
//   Checked op float/double  -> Double, plain floating-point arithmetic;
//   Checked / float/double   -> Double.
// Checked / Checked is not defined here, so C++ integer division of the two
// values applies; for a floating-point quotient convert to Double (checkedDiv
// raises instead of producing an infinity).
template <typename Rep>
class Checked {
public:
    using rep = Rep;
    static constexpr Rep minValue = std::numeric_limits<Rep>::min();
    static constexpr Rep maxValue = std::numeric_limits<Rep>::max();

    constexpr Checked() = default;

    // The converting constructors are implicit by design.
    template <detail::WholeOperand T>
    constexpr Checked(T v) : m_v(static_cast<Rep>(v))
    {  // NOLINT(google-explicit-constructor)
        if (!std::in_range<Rep>(v)) raise(ErrorCode::Overflow);
    }
    template <std::floating_point T>
    Checked(T v) : m_v(fromDouble(v).m_v)
    {
    }  // NOLINT(google-explicit-constructor)
    template <detail::OtherChecked<Rep> O>
    constexpr Checked(O v) : Checked(v.value())
    {
    }  // NOLINT(google-explicit-constructor)

    // From a wider whole number: Overflow when out of range.
    static Checked fromWide(int64_t v)
    {
        if (v < minValue || v > maxValue) raise(ErrorCode::Overflow);
        return Checked(static_cast<Rep>(v));
    }
    // Rounded halves to even; Overflow when out of range or not a number.
    static Checked fromDouble(Double x)
    {
        const Double r = roundHalfEven(x);
        if (!(r >= minValue && r <= maxValue)) raise(ErrorCode::Overflow);
        return Checked(static_cast<Rep>(r));
    }

    constexpr Rep value() const { return m_v; }
    constexpr operator Rep() const { return m_v; }  // NOLINT: implicit by design

    friend Checked operator+(Checked a, Checked b) { return fromWide(int64_t(a.m_v) + b.m_v); }
    friend Checked operator-(Checked a, Checked b) { return fromWide(int64_t(a.m_v) - b.m_v); }
    friend Checked operator*(Checked a, Checked b) { return fromWide(int64_t(a.m_v) * b.m_v); }
    Checked operator-() const { return fromWide(-int64_t(m_v)); }

    // With a Checked of the other width: the wider type, checked. (Only this
    // form is needed: Long + Integer finds it in Long, Integer + Long in Integer.)
    template <detail::OtherChecked<Rep> O>
    friend auto operator+(Checked a, O b)
    {
        return Wider<O>(a) + Wider<O>(b);
    }
    template <detail::OtherChecked<Rep> O>
    friend auto operator-(Checked a, O b)
    {
        return Wider<O>(a) - Wider<O>(b);
    }
    template <detail::OtherChecked<Rep> O>
    friend auto operator*(Checked a, O b)
    {
        return Wider<O>(a) * Wider<O>(b);
    }

    // With a C++ whole number (typically a literal): the result keeps this type.
    template <detail::WholeOperand T>
    friend Checked operator+(Checked a, T b)
    {
        return fromWide(wideOp(a.m_v, b, [](int64_t x, int64_t y, int64_t* r) {
            return __builtin_add_overflow(x, y, r);
        }));
    }
    template <detail::WholeOperand T>
    friend Checked operator+(T a, Checked b)
    {
        return b + a;
    }
    template <detail::WholeOperand T>
    friend Checked operator-(Checked a, T b)
    {
        return fromWide(wideOp(a.m_v, b, [](int64_t x, int64_t y, int64_t* r) {
            return __builtin_sub_overflow(x, y, r);
        }));
    }
    template <detail::WholeOperand T>
    friend Checked operator-(T a, Checked b)
    {
        // The exact difference first: a negated b - a overflows when the
        // result is the type's minimum.
        return fromWide(wideOp(a, b.m_v, [](int64_t x, int64_t y, int64_t* r) {
            return __builtin_sub_overflow(x, y, r);
        }));
    }
    template <detail::WholeOperand T>
    friend Checked operator*(Checked a, T b)
    {
        return fromWide(wideOp(a.m_v, b, [](int64_t x, int64_t y, int64_t* r) {
            return __builtin_mul_overflow(x, y, r);
        }));
    }
    template <detail::WholeOperand T>
    friend Checked operator*(T a, Checked b)
    {
        return b * a;
    }

    // With a floating-point number: plain Double arithmetic.
    template <std::floating_point T>
    friend Double operator+(Checked a, T b)
    {
        return Double(a.m_v) + b;
    }
    template <std::floating_point T>
    friend Double operator+(T a, Checked b)
    {
        return a + Double(b.m_v);
    }
    template <std::floating_point T>
    friend Double operator-(Checked a, T b)
    {
        return Double(a.m_v) - b;
    }
    template <std::floating_point T>
    friend Double operator-(T a, Checked b)
    {
        return a - Double(b.m_v);
    }
    template <std::floating_point T>
    friend Double operator*(Checked a, T b)
    {
        return Double(a.m_v) * b;
    }
    template <std::floating_point T>
    friend Double operator*(T a, Checked b)
    {
        return a * Double(b.m_v);
    }
    template <std::floating_point T>
    friend Double operator/(Checked a, T b)
    {
        return Double(a.m_v) / b;
    }
    template <std::floating_point T>
    friend Double operator/(T a, Checked b)
    {
        return a / Double(b.m_v);
    }

    // Compound assignment converts the result back to this type, checked (and
    // rounded halves to even for a floating-point right-hand side).
    template <typename T>
    Checked& operator+=(const T& o)
    {
        return *this = Checked(*this + o);
    }
    template <typename T>
    Checked& operator-=(const T& o)
    {
        return *this = Checked(*this - o);
    }
    template <typename T>
    Checked& operator*=(const T& o)
    {
        return *this = Checked(*this * o);
    }
    Checked& operator++() { return *this += Checked(Rep(1)); }
    Checked& operator--() { return *this -= Checked(Rep(1)); }
    Checked operator++(int)
    {
        const Checked old = *this;
        ++*this;
        return old;
    }
    Checked operator--(int)
    {
        const Checked old = *this;
        --*this;
        return old;
    }

private:
    template <typename O>
    using Wider = std::conditional_t<(sizeof(Rep) >= sizeof(typename O::rep)), Checked, O>;

    template <typename A, typename B, typename Op>
    static int64_t wideOp(A a, B b, Op op)
    {
        if (!std::in_range<int64_t>(a) || !std::in_range<int64_t>(b)) raise(ErrorCode::Overflow);
        int64_t r = 0;
        if (op(int64_t(a), int64_t(b), &r)) raise(ErrorCode::Overflow);
        return r;
    }

    Rep m_v = 0;
};

using Integer = Checked<int16_t>;
using Long = Checked<int32_t>;

// A colour: 0x00BBGGRR, red in the low byte (see RGB).
using Colour = Long;

// Conversions that round halves to even and raise Overflow out of range (and
// for a NaN).
Integer CInt(Double x);
Long CLng(Double x);
// The nearest Single; Overflow for a finite value beyond the Single range.
Single CSng(Double x);

// Double arithmetic that raises instead of producing an infinity or a NaN:
//   x/0 with x != 0            -> Division by zero;
//   0/0                        -> Overflow (the same rule as Variant '/');
//   any other infinite result  -> Overflow;
//   any other NaN result       -> Invalid procedure call.
Double checkedDiv(Double a, Double b);
Double checked(Double result);

}  // namespace rt
