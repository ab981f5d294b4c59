#pragma once

#include "events/names.h"
#include "forms/core/layout.h"

#include <QString>

#include <span>

namespace rt {

class Container;
class Control;
class Form;

// What the runtime knows of a control kind: the name layouts and their
// read-back give it, how a control of the kind is made, and the events it
// raises and the properties program code assigns, by name (besides those of
// every control: Left, Top, Width, Height, Visible, Enabled, MousePointer,
// BackColor, ForeColor and GotFocus). Every kind has one entry
// (controls/kinds.cpp).
struct KindInfo {
    Kind kind;
    const char* name;
    Control* (*make)(Form& form, const ControlSpec& spec, Container* container);
    std::span<const EventName> events;
    std::span<const PropertyName> properties;

    bool raises(EventName event) const;
    bool has(PropertyName property) const;
};

const KindInfo& describe(Kind kind);
QString kindName(Kind kind);

}  // namespace rt
