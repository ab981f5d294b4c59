#include "events/form_variables.h"

namespace rt {

namespace {
VariableLister g_lister = nullptr;
}

void VariableSink::add(const char* name, const QString& type, const QString& value)
{
    variables.push_back({QString::fromUtf8(name), type, value});
}

void VariableSink::operator()(const char* name, const Variant& value)
{
    add(name, variantTypeName(value), codeText(value));
}
void VariableSink::operator()(const char* name, Integer value)
{
    add(name, QStringLiteral("Integer"), codeText(value));
}
void VariableSink::operator()(const char* name, Long value)
{
    add(name, QStringLiteral("Long"), codeText(value));
}
void VariableSink::operator()(const char* name, Single value)
{
    add(name, QStringLiteral("Single"), codeText(value));
}
void VariableSink::operator()(const char* name, Double value)
{
    add(name, QStringLiteral("Double"), codeText(value));
}
void VariableSink::operator()(const char* name, bool value)
{
    add(name, QStringLiteral("Boolean"), codeText(value));
}
void VariableSink::operator()(const char* name, const QString& value)
{
    add(name, QStringLiteral("String"), codeText(value));
}

void setVariableLister(VariableLister lister)
{
    g_lister = lister;
}

std::vector<WindowVariables> loadedWindowsVariables()
{
    return g_lister ? g_lister() : std::vector<WindowVariables>{};
}

}  // namespace rt
