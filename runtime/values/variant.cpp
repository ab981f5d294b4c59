#include "values/variant.h"

#include "values/library.h"

#include <cfloat>
#include <cmath>
#include <compare>
#include <utility>

namespace rt {

namespace {

using Kind = Variant::Kind;

// An arithmetic operand once Empty, truth values and texts have been turned
// into numbers. Ranks are ordered by width: the result takes the wider one.
struct Operand {
    enum Rank { IntegerRank, LongRank, SingleRank, DoubleRank } rank;
    int64_t whole = 0;  // IntegerRank, LongRank
    Double real = 0;    // SingleRank, DoubleRank

    Double asDouble() const { return rank <= LongRank ? Double(whole) : real; }
};

Operand operandOf(const Variant& v)
{
    switch (v.kind()) {
        case Kind::Empty: return {Operand::IntegerRank, 0, 0};
        case Kind::Boolean: return {Operand::IntegerRank, truth(v.toBool()), 0};
        case Kind::Integer: return {Operand::IntegerRank, v.toInteger(), 0};
        case Kind::Long: return {Operand::LongRank, v.toLong(), 0};
        case Kind::Single: return {Operand::SingleRank, 0, v.toSingle()};
        case Kind::Double:
        case Kind::String: break;
    }
    return {Operand::DoubleRank, 0, v.toDouble()};  // Type mismatch for a non-numeric text
}

// A whole result in the narrowest of the operands' type, Long and Double that
// holds it.
Variant wholeResult(int64_t r, Operand::Rank rank)
{
    if (rank == Operand::IntegerRank && std::in_range<int16_t>(r)) return Integer(int16_t(r));
    if (std::in_range<int32_t>(r)) return Long(int32_t(r));
    return Double(r);
}

Variant realResult(Double r, Operand::Rank rank)
{
    checked(r);
    if (rank == Operand::SingleRank && std::fabs(r) <= FLT_MAX) return Single(r);
    return r;
}

// Whole operands are at most 32-bit, so op on int64_t cannot overflow.
template <typename Op>
Variant arithmetic(const Variant& a, const Variant& b, Op op)
{
    const Operand x = operandOf(a);
    const Operand y = operandOf(b);
    const Operand::Rank rank = std::max(x.rank, y.rank);
    if (rank <= Operand::LongRank) return wholeResult(op(x.whole, y.whole), rank);
    // Computed in Double also for Singles: rounding the Double result to a
    // Single gives the same value as Single arithmetic for + - * /.
    return realResult(op(x.asDouble(), y.asDouble()), rank);
}

std::partial_ordering compare(const Variant& a, const Variant& b)
{
    const bool aText = a.kind() == Kind::String;
    const bool bText = b.kind() == Kind::String;
    if (aText || bText) {
        const Variant& t = aText ? a : b;
        const Variant& other = aText ? b : a;
        const auto flip = [aText](std::partial_ordering o) { return aText ? o : 0 <=> o; };
        if (other.kind() == Kind::String || other.isEmpty()) {
            return flip(t.toText().compare(other.toText()) <=> 0);
        }
        if (!IsNumeric(t.toText())) return flip(std::partial_ordering::greater);
    }
    return a.toDouble() <=> b.toDouble();
}

}  // namespace

Variant::Variant(int32_t v)
{
    if (std::in_range<int16_t>(v)) {
        m_v.emplace<Integer>(int16_t(v));
    } else {
        m_v.emplace<Long>(v);
    }
}

Variant::Kind Variant::kind() const
{
    return static_cast<Kind>(m_v.index());
}

bool Variant::isNumeric() const
{
    if (const auto* s = std::get_if<QString>(&m_v)) return IsNumeric(*s);
    return true;
}

Double Variant::toDouble() const
{
    switch (kind()) {
        case Kind::Empty: return 0.0;
        case Kind::Integer: return std::get<Integer>(m_v);
        case Kind::Long: return std::get<Long>(m_v);
        case Kind::Single: return std::get<Single>(m_v);
        case Kind::Double: return std::get<Double>(m_v);
        case Kind::Boolean: return truth(std::get<bool>(m_v));
        case Kind::String: break;
    }
    const QString& s = std::get<QString>(m_v);
    if (!IsNumeric(s)) raise(ErrorCode::TypeMismatch);
    return Val(s);
}

Single Variant::toSingle() const
{
    if (const auto* f = std::get_if<Single>(&m_v)) return *f;
    const Double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > FLT_MAX) raise(ErrorCode::Overflow);
    return Single(d);
}

Integer Variant::toInteger() const
{
    switch (kind()) {
        case Kind::Integer: return std::get<Integer>(m_v);
        case Kind::Long: return std::get<Long>(m_v);  // checked narrowing
        default: return CInt(toDouble());
    }
}

Long Variant::toLong() const
{
    switch (kind()) {
        case Kind::Integer: return std::get<Integer>(m_v);
        case Kind::Long: return std::get<Long>(m_v);
        default: return CLng(toDouble());
    }
}

bool Variant::toBool() const
{
    if (const auto* b = std::get_if<bool>(&m_v)) return *b;
    if (const auto* s = std::get_if<QString>(&m_v)) {
        const QString t = s->trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    }
    return toDouble() != 0.0;
}

QString Variant::toText() const
{
    switch (kind()) {
        case Kind::Empty: return {};
        case Kind::Integer: return text(std::get<Integer>(m_v));
        case Kind::Long: return text(std::get<Long>(m_v));
        case Kind::Single: return text(std::get<Single>(m_v));
        case Kind::Double: return text(std::get<Double>(m_v));
        case Kind::Boolean: return text(std::get<bool>(m_v));
        case Kind::String: break;
    }
    return std::get<QString>(m_v);
}

Variant operator+(const Variant& a, const Variant& b)
{
    const bool aText = a.kind() == Variant::Kind::String;
    const bool bText = b.kind() == Variant::Kind::String;
    if ((aText && (bText || b.isEmpty())) || (bText && a.isEmpty())) {
        return a.toText() + b.toText();
    }
    return arithmetic(a, b, [](auto x, auto y) { return x + y; });
}

Variant operator-(const Variant& a, const Variant& b)
{
    return arithmetic(a, b, [](auto x, auto y) { return x - y; });
}

Variant operator*(const Variant& a, const Variant& b)
{
    return arithmetic(a, b, [](auto x, auto y) { return x * y; });
}

Variant operator/(const Variant& a, const Variant& b)
{
    return checkedDiv(operandOf(a).asDouble(), operandOf(b).asDouble());
}

Variant Variant::operator-() const
{
    const Operand x = operandOf(*this);
    if (x.rank <= Operand::LongRank) return wholeResult(-x.whole, x.rank);
    return realResult(-x.real, x.rank);
}

bool operator==(const Variant& a, const Variant& b)
{
    return compare(a, b) == 0;
}

bool operator<(const Variant& a, const Variant& b)
{
    return compare(a, b) < 0;
}

}  // namespace rt
