#pragma once

// Printers and helpers shared by the value library's tests.

#include "values/library.h"

#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace rt {

inline void PrintTo(const Variant& v, std::ostream* os)
{
    static const char* const kinds[] = {"Empty",  "Integer", "Long",  "Single",
                                        "Double", "Boolean", "String"};
    *os << kinds[int(v.kind())] << '(' << v.toText().toStdString() << ')';
}

// The number of the runtime error `f` raises, or 0 when it raises none.
template <typename F>
int errorNumber(F&& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace rt
