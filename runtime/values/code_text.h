#pragma once

#include "values/variant.h"

#include <QString>

#include <cstdint>

namespace rt {

// Values as program code writes them, for those who watch a program run.

// A text in double quotes, a quote doubled; line breaks, tabs and other
// control characters stand outside the quotes as the constants code joins in
// ("a" & vbCrLf & "b", Chr(7)). Past `longest` characters the text is cut
// and "…" marks the cut.
QString quotedText(const QString& text, qsizetype longest = 60);

// A number as its text, True or False, a text quoted, Empty.
QString codeText(const Variant& value, qsizetype longest = 60);

// A colour as code writes it: &HBBGGRR& in hexadecimal.
QString colourText(int32_t colour);

// The name of a value's type as code declares it ("Integer", "String"); a
// variant's says what it holds: "Variant (Integer)", "Variant (Empty)".
QString typeName(Variant::Kind kind);
QString variantTypeName(const Variant& value);

}  // namespace rt
