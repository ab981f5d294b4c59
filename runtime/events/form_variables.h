#pragma once

#include "values/array.h"
#include "values/code_text.h"
#include "values/variant.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rt {

// A form-level variable as those who watch the program see it: its name,
// its type as code declares it, and its value as code writes it.
struct WatchedVariable {
    QString name;
    QString type;
    QString value;
};

// The form-level variables of one loaded window.
struct WindowVariables {
    QString form;
    std::vector<WatchedVariable> variables;
};

// Collects a window's form-level variables, each under its name
// (Form::formVariables).
class VariableSink {
public:
    void operator()(const char* name, const Variant& value);
    void operator()(const char* name, Integer value);
    void operator()(const char* name, Long value);
    void operator()(const char* name, Single value);
    void operator()(const char* name, Double value);
    void operator()(const char* name, bool value);
    void operator()(const char* name, const QString& value);
    // An array shows its bounds in its type and its first elements.
    template <typename T>
    void operator()(const char* name, const Array<T>& array)
    {
        QStringList elements;
        for (int i = array.LBound(); i <= array.UBound() && elements.size() < kShownElements; ++i)
            elements << codeText(Variant(array[i]), kShownElementText);
        if (array.UBound() - array.LBound() + 1 > kShownElements)
            elements << QString(QChar(0x2026));
        add(name,
            QStringLiteral("%1(%2 To %3)")
                .arg(typeName(Variant(T()).kind()))
                .arg(array.LBound())
                .arg(array.UBound()),
            elements.join(QStringLiteral(", ")));
    }

    std::vector<WatchedVariable> variables;

private:
    static constexpr int kShownElements = 12;
    static constexpr int kShownElementText = 20;
    void add(const char* name, const QString& type, const QString& value);
};

// The variables of every loaded window, from the forms that know them
// (installed by the forms; nothing until then).
using VariableLister = std::vector<WindowVariables> (*)();
void setVariableLister(VariableLister lister);
std::vector<WindowVariables> loadedWindowsVariables();

}  // namespace rt
