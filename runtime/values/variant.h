#pragma once

#include "values/numbers.h"

#include <QString>

#include <variant>

namespace rt {

// A value of varying kind: nothing (Empty), a whole number, a floating-point
// number, a truth value or a text.
//
// Arithmetic: whole numbers widen on overflow (Integer -> Long -> Double)
// instead of raising; any Double operand gives a Double; a Single with whole
// numbers gives a Single; '/' always gives a Double; a numeric text takes part
// as a Double; a text that is not numeric raises Type mismatch; '+' of two
// texts joins them. Empty counts as 0 in arithmetic and as "" in text.
// Further rules:
// - A truth value takes part as an Integer (True is -1).
// - '+' of a text and Empty gives the text; Empty with Empty gives Integer 0.
// - A Single result too large for a Single widens to Double.
// - A Double result that is infinite raises Overflow, a NaN result raises
//   Invalid procedure call (the checked() rule of numbers.h).
// - '/': x/0 raises Division by zero for x != 0; 0/0 raises Overflow
//   (checkedDiv).
// - Unary minus widens like the other operators: -Integer(-32768) is a Long.
class Variant {
public:
    enum class Kind { Empty, Integer, Long, Single, Double, Boolean, String };

    Variant() = default;
    // The converting constructors are implicit by design. An int32_t becomes
    // an Integer when it fits, else a Long.
    Variant(Integer v) : m_v(std::in_place_type<Integer>, v) {}         // NOLINT
    Variant(Long v) : m_v(std::in_place_type<Long>, v) {}               // NOLINT
    Variant(int16_t v) : m_v(std::in_place_type<Integer>, v) {}         // NOLINT
    Variant(int32_t v);                                                 // NOLINT
    Variant(Single v) : m_v(std::in_place_type<Single>, v) {}           // NOLINT
    Variant(Double v) : m_v(std::in_place_type<Double>, v) {}           // NOLINT
    Variant(bool v) : m_v(std::in_place_type<bool>, v) {}               // NOLINT
    Variant(const QString& v) : m_v(std::in_place_type<QString>, v) {}  // NOLINT
    Variant(const char* v)                                              // NOLINT
        : m_v(std::in_place_type<QString>, QString::fromUtf8(v))
    {
    }

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNumeric() const;  // a number, a truth value, Empty, or a numeric text

    // Conversions. toInteger/toLong round halves to even and raise Overflow;
    // from a text they require IsNumeric (else Type mismatch). toSingle raises
    // Overflow for a finite value beyond the Single range. toBool accepts the
    // texts "True" and "False" (any case, surrounding blanks allowed) and
    // numeric texts; other texts raise Type mismatch.
    Double toDouble() const;
    Single toSingle() const;
    Integer toInteger() const;
    Long toLong() const;
    bool toBool() const;
    // The plain text of the value: numbers without a leading space.
    QString toText() const;

    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    friend Variant operator*(const Variant& a, const Variant& b);
    friend Variant operator/(const Variant& a, const Variant& b);  // Division by zero raises
    Variant operator-() const;

    // Comparisons. Two numbers (or a number and a numeric text) compare as
    // numbers; two texts compare exactly (UTF-16 code units, case matters);
    // Empty is 0 against a number and "" against a text. A number and a text
    // that is not numeric never raise: the number orders before the text.
    // A NaN is neither equal to, below nor above anything.
    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator<(const Variant& a, const Variant& b);
    friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }
    friend bool operator>(const Variant& a, const Variant& b) { return b < a; }
    friend bool operator<=(const Variant& a, const Variant& b) { return !(b < a); }
    friend bool operator>=(const Variant& a, const Variant& b) { return !(a < b); }

private:
    std::variant<std::monostate, Integer, Long, Single, Double, bool, QString> m_v;
};

}  // namespace rt
