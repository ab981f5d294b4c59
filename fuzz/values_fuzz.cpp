// Fuzz target for number texts: Val, IsNumeric, text, Str, Format, CInt, CLng
// and a Variant's reading of a text. Any broken property aborts.
#include "tests/values_test_support.h"
#include "values/numbers.h"

#include <QString>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace rt;

namespace {

[[noreturn]] void fail(const char* property, const QString& detail)
{
    std::fprintf(stderr, "broken: %s: %s\n", property, qPrintable(detail));
    std::abort();
}

// Val and IsNumeric agree: a numeric text reads completely to a finite value,
// and the only error Val raises is Overflow, for texts that are not numeric.
void checkText(const QString& t)
{
    Double value = 0;
    const int error = errorNumber([&] { value = Val(t); });
    const bool numeric = IsNumeric(t);
    if (error != 0 && error != 6) fail("Val raises only Overflow", t);
    if (numeric && (error != 0 || !std::isfinite(value))) fail("IsNumeric implies Val reads it", t);
    const int asVariant = errorNumber([&] { value = Variant(t).toDouble(); });
    if (numeric != (asVariant == 0)) fail("a Variant reads exactly the numeric texts", t);
    if (!numeric && asVariant != 13) fail("a text that is not numeric is a type mismatch", t);
}

// text and Str of every finite Double read back as the Double rounded to 15
// significant digits (the largest Double's text reads as itself).
void checkDouble(Double x)
{
    if (!std::isfinite(x)) return;
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    Double expected = std::strtod(rounded, nullptr);
    if (std::isinf(expected)) expected = std::copysign(std::numeric_limits<Double>::max(), x);
    for (const QString& t : {text(x), Str(x)}) {
        if (!IsNumeric(t)) fail("the text of a Double is numeric", t);
        if (Val(t) != expected) fail("the text of a Double reads back", t);
    }

    const Double even = std::nearbyint(x);  // the default rounding: halves to even
    const int intError = errorNumber([&] {
        if (Double(CInt(x)) != even) fail("CInt rounds halves to even", text(x));
    });
    if ((intError == 6) != (even < -32768 || even > 32767))
        fail("CInt overflows out of range", text(x));
    const int longError = errorNumber([&] {
        if (Double(CLng(x)) != even) fail("CLng rounds halves to even", text(x));
    });
    if ((longError == 6) != (even < -2147483648.0 || even > 2147483647.0))
        fail("CLng overflows out of range", text(x));
}

void checkSingle(Single x)
{
    if (!std::isfinite(x)) return;
    const QString t = text(x);
    if (!IsNumeric(t)) fail("the text of a Single is numeric", t);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.6e", double(x));
    if (Single(Val(t)) != std::strtof(rounded, nullptr)) fail("the text of a Single reads back", t);
}

// A pattern of placeholders and at most one point gives a numeric text within
// half a unit of its last decimal of the value.
void checkFormat(Double x, const uint8_t* data, size_t size)
{
    if (!std::isfinite(x)) return;
    QString pattern;
    int decimals = -1;
    for (size_t i = 0; i < size && pattern.size() < 12; ++i) {
        const char c = "#0.#0"[data[i] % 5];
        if (c == '.' && decimals >= 0) continue;
        if (c == '.')
            decimals = 0;
        else if (decimals >= 0)
            ++decimals;
        pattern += QLatin1Char(c);
    }
    if (pattern.isEmpty()) return;
    if (pattern == QLatin1String(".")) {
        if (errorNumber([&] { Format(x, pattern); }) != 5)
            fail("a pattern without digits is refused", pattern);
        return;
    }
    const QString shown = Format(x, pattern);
    if (!IsNumeric(shown)) fail("Format gives a number", pattern + " " + shown);
    const Double half = 0.5 * std::pow(10.0, -std::max(decimals, 0));
    if (std::fabs(Val(shown) - x) > half * (1 + 1e-9) + std::fabs(x) * 1e-14)
        fail("Format rounds to the pattern's decimals", text(x) + " " + pattern + " " + shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkText(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (size >= sizeof(Double)) {
        Double x;
        std::memcpy(&x, data, sizeof x);
        checkDouble(x);
        checkFormat(x, data + sizeof x, size - sizeof x);
        Single f;
        std::memcpy(&f, data, sizeof f);
        checkSingle(f);
    }
    return 0;
}
