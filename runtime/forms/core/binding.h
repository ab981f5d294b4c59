#pragma once

#include "events/event.h"
#include "forms/core/kinds.h"
#include "values/errors.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace rt {

class Form;

// One event of a control wired to a handler of a window class: built by on()
// and applied when the window binds the control (Form::bind, Form::bindArray).
template <typename C, typename F, typename... Args>
struct Wire {
    Event<Args...> C::*event;
    void (F::*handler)(Args...);

    template <typename Control>
    void attach(Control& control, Form& form) const
    {
        auto* window = static_cast<F*>(&form);
        Q_ASSERT(describe(control.kind()).raises((control.*event).name()));
        control.*event = [window, h = handler](Args... args) {
            (window->*h)(std::forward<Args>(args)...);
        };
    }
};

// The same for a control array: the shared handler receives the element's
// index before the event's own arguments.
template <typename C, typename F, typename I, typename... Args>
struct IndexedWire {
    Event<Args...> C::*event;
    void (F::*handler)(I, Args...);

    template <typename Control>
    void attach(Control& control, Form& form) const
    {
        auto* window = static_cast<F*>(&form);
        const int index = control.index();
        Q_ASSERT(describe(control.kind()).raises((control.*event).name()));
        control.*event = [window, h = handler, index](Args... args) {
            (window->*h)(I(index), std::forward<Args>(args)...);
        };
    }
};

// on(&rt::CommandButton::Click, &Form1::cmdStart_Click): the event and the
// handler that runs for it. A handler taking the index first wires a control
// array's shared handler.
template <typename C, typename F, typename... Args>
Wire<C, F, Args...> on(Event<Args...> C::*event, void (F::*handler)(Args...))
{
    return {event, handler};
}
template <typename C, typename F, typename I, typename... Args>
IndexedWire<C, F, I, Args...> on(Event<Args...> C::*event, void (F::*handler)(I, Args...))
{
    return {event, handler};
}

// The elements of a control array, addressed by their control-array index
// (which need not start at 0 nor be contiguous). Iterates in index order.
template <typename T>
class ControlArray {
public:
    ControlArray() = default;
    explicit ControlArray(std::vector<T*> elements) : m_elements(std::move(elements))
    {
        std::ranges::sort(m_elements, {}, [](const T* c) { return c->index(); });
    }

    T& operator[](int index) const
    {
        for (T* c : m_elements)
            if (c->index() == index) return *c;
        raise(ErrorCode::ControlArrayElementMissing, QString::number(index));
    }
    int Count() const { return int(m_elements.size()); }
    int LBound() const { return m_elements.empty() ? 0 : m_elements.front()->index(); }
    int UBound() const { return m_elements.empty() ? -1 : m_elements.back()->index(); }
    auto begin() const { return m_elements.begin(); }
    auto end() const { return m_elements.end(); }

private:
    std::vector<T*> m_elements;
};

}  // namespace rt
