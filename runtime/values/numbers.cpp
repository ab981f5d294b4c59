#include "values/numbers.h"

#include <cmath>

namespace rt {

Double roundHalfEven(Double x)
{
    // Independent of the floating-point rounding mode: round half away from
    // zero, then step back towards zero when x was exactly halfway and the
    // result came out odd.
    Double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0.0) r -= std::copysign(1.0, x);
    return r;
}

Integer CInt(Double x)
{
    return Integer::fromDouble(x);
}

Long CLng(Double x)
{
    return Long::fromDouble(x);
}

Single CSng(Double x)
{
    if (std::isfinite(x) && std::fabs(x) > std::numeric_limits<Single>::max())
        raise(ErrorCode::Overflow);
    return Single(x);
}

Double checked(Double result)
{
    if (std::isinf(result)) raise(ErrorCode::Overflow);
    if (std::isnan(result)) raise(ErrorCode::InvalidProcedureCall);
    return result;
}

Double checkedDiv(Double a, Double b)
{
    if (b == 0.0) {
        if (a == 0.0) raise(ErrorCode::Overflow);
        if (!std::isnan(a)) raise(ErrorCode::DivisionByZero);
    }
    return checked(a / b);
}

}  // namespace rt
