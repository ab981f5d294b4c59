#include "forms/core/forms.h"

#include <QCoreApplication>

#include <map>

namespace rt {

namespace {
std::map<std::type_index, std::unique_ptr<Form>>& registry()
{
    static std::map<std::type_index, std::unique_ptr<Form>> forms;
    return forms;
}

std::vector<WindowVariables> loadedVariables()
{
    std::vector<WindowVariables> windows;
    for (const auto& entry : registry()) {
        VariableSink sink;
        entry.second->formVariables(sink);
        if (!sink.variables.empty()) windows.push_back({entry.second->name(), sink.variables});
    }
    return windows;
}
}  // namespace

Form* detail::findLoaded(std::type_index type)
{
    auto it = registry().find(type);
    return it == registry().end() ? nullptr : it->second.get();
}

void detail::adopt(std::type_index type, std::unique_ptr<Form> form)
{
    setVariableLister(loadedVariables);
    registry()[type] = std::move(form);
}

void release(Form* form)
{
    auto& forms = registry();
    for (auto it = forms.begin(); it != forms.end(); ++it) {
        if (it->second.get() == form) {
            it->second.release()->deleteLater();
            forms.erase(it);
            break;
        }
    }
    // A program whose last visible window has gone ends, even when hidden
    // dialogs are still loaded: nothing could bring them back.
    for (const auto& entry : forms)
        if (entry.second->Visible()) return;
    QCoreApplication::quit();
}

void unloadAllForms()
{
    registry().clear();
}

}  // namespace rt
