#pragma once

#include "forms/core/form.h"

#include <memory>
#include <typeindex>

namespace rt {

namespace detail {
Form* findLoaded(std::type_index type);
void adopt(std::type_index type, std::unique_ptr<Form> form);
}  // namespace detail

// The program's one instance of a window class. Referring to a window that
// is not loaded creates it and runs its Form_Load (without showing it).
template <typename F>
F& form()
{
    const std::type_index type(typeid(F));
    if (Form* existing = detail::findLoaded(type)) return static_cast<F&>(*existing);
    auto created = std::make_unique<F>();
    F& result = *created;
    detail::adopt(type, std::move(created));
    result.Load();
    return result;
}

// True when an instance of the window class is loaded.
template <typename F>
bool isLoaded()
{
    return detail::findLoaded(std::type_index(typeid(F))) != nullptr;
}

// Forgets an unloaded form; the window object is deleted once control is back
// in the event loop. When no form is left, the program ends.
void release(Form* form);

// Deletes every loaded form at once, without asking them (tests, End).
void unloadAllForms();

}  // namespace rt
