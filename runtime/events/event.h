#pragma once

#include "events/names.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace rt {

// An event of a control: its name and the handler the program wired to it
// (none until then). The control raises it; a window wires it with rt::on
// (binding.h), a test may assign a handler directly.
template <typename... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    explicit Event(EventName name) : m_name(name) {}

    template <typename F>
    requires std::is_constructible_v<Handler, F&&> Event& operator=(F&& handler)
    {
        m_handler = std::forward<F>(handler);
        return *this;
    }

    EventName name() const { return m_name; }
    explicit operator bool() const { return bool(m_handler); }
    const Handler& handler() const { return m_handler; }
    // Calls the handler as it stands, outside any error boundary.
    template <typename... Given>
    void operator()(Given&&... args) const
    {
        m_handler(std::forward<Given>(args)...);
    }

private:
    Handler m_handler;
    EventName m_name;
};

}  // namespace rt
