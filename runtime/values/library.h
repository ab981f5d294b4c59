#pragma once

#include "values/variant.h"

#include <QString>

#include <cstdint>

namespace rt {

// Leading number of a text: leading blanks skipped, then an optional sign,
// digits with an optional point and an optional exponent (E or D). Stops at the
// first character that does not fit; 0 when nothing fits. The decimal
// separator is always a point. Blanks are spaces, tabs and line breaks. An 'E'
// or 'D' without exponent digits after it ends the number ("1e" reads 1).
// A number beyond the Double range raises Overflow; one too small for it
// reads as 0.
Double Val(const QString& text);

// True exactly for the texts that Val reads completely, surrounding blanks
// allowed. The empty text is not numeric.
bool IsNumeric(const QString& text);
bool IsNumeric(const Variant& value);

// Plain number-to-text conversion (no leading space). Double: up to 15
// significant digits; Single: up to 7; trailing zeros dropped; scientific form
// ("1E-09", "1E+15", "1.234568E+07") when the decimal exponent is below -4 or
// at least the digit count. Negative zero gives "0"; infinities and NaN give
// "Infinity", "-Infinity" and "NaN" (which Val does not read back).
QString text(Double x);
QString text(Single x);
QString text(Integer x);
QString text(Long x);
QString text(bool x);  // "True" / "False"
QString text(const Variant& x);

// Like text(), with a leading space for values that are not negative and
// without the 0 before the point of a value below 1 in size (" .5", "-.25").
// Str of a Variant: Empty is " 0", a truth value "True"/"False", a numeric
// text is read as a Double, another text raises Type mismatch.
QString Str(Double x);
QString Str(Single x);
QString Str(Integer x);
QString Str(Long x);
QString Str(const Variant& x);

// Number formatting with a digit pattern such as "###0.00": '0' is a digit
// always shown, '#' a digit shown only when significant, '.' the decimal
// point; the value is rounded half away from zero to the pattern's decimals.
// - The rounding works on the shortest decimal text that reads back as x
//   (2.345 rounds to "2.35" although the binary value is a little below).
// - Integer part: at least as many digits as the pattern has '0's before the
//   point, more when the value needs them; no thousands separator.
// - Decimals: as many as the pattern has placeholders after the point; the
//   '#'s after the last '0' drop trailing zeros. The point is shown only when
//   a decimal follows it ("#.##" gives "1" for 1 and ".5" for 0.5).
// - A value that shows no digit at all (0 with "#") gives "0".
// - No negative zero: -0.001 with "0.00" gives "0.00".
// - The empty pattern gives text(x); an infinity or NaN gives text(x) too.
// - Any other character, or a second '.', raises Invalid procedure call.
QString Format(Double x, const QString& pattern);

// Rounding to a number of decimals, halves to even (2.5 -> 2, 3.5 -> 4).
// With decimals > 0 the value is taken as the shortest decimal text that reads
// back as x, so Round(2.345, 2) is 2.34 (a tie, to even) and Round(2.355, 2)
// is 2.36, as the printed numbers suggest. Negative decimals raise Invalid
// procedure call.
Double Round(Double x, int decimals = 0);

Double Abs(Double x);
// Square root; Invalid procedure call for a negative argument.
Double Sqr(Double x);

// Comparison modes of InStr.
inline constexpr int vbBinaryCompare = 0;
inline constexpr int vbTextCompare = 1;

// 1-based position of the first occurrence of `sought` in `text` at or after
// `start`, or 0. Compare 0 is exact, 1 ignores case. A start below 1 raises
// Invalid procedure call, as does another compare value. An empty `sought`
// gives `start` when start <= Len+1, else 0; a start beyond Len gives 0.
// Linear in the length of `text`; the text is not copied.
Long InStr(Long start, const QString& text, const QString& sought, int compare = vbBinaryCompare);
Long InStr(const QString& text, const QString& sought);

Long Len(const QString& text);

// A colour 0x00BBGGRR; each part must lie in 0..255 (larger values are taken
// as 255, negative ones raise Invalid procedure call).
Colour RGB(int red, int green, int blue);

}  // namespace rt
