// Every control kind the runtime offers, one entry each: what layouts call
// it, how it is made, and what it raises and lets program code assign.
#include "forms/core/kinds.h"

#include "forms/controls/checkbox.h"
#include "forms/controls/commandbutton.h"
#include "forms/controls/commondialog.h"
#include "forms/controls/frame.h"
#include "forms/controls/label.h"
#include "forms/controls/listbox.h"
#include "forms/controls/menu.h"
#include "forms/controls/optionbutton.h"
#include "forms/controls/picturebox.h"
#include "forms/controls/scrollbar.h"
#include "forms/controls/textbox.h"
#include "forms/controls/timer.h"

#include <algorithm>
#include <cstddef>

namespace rt {

namespace {

template <typename T>
Control* make(Form& form, const ControlSpec& spec, Container* container)
{
    return new T(form, spec, container);
}

using E = EventName;
using P = PropertyName;

constexpr EventName clicks[] = {E::Click};
constexpr EventName labelEvents[] = {E::Change, E::Click};
constexpr EventName textEvents[] = {E::Change, E::KeyPress};
constexpr EventName barEvents[] = {E::Change, E::Scroll};
constexpr EventName pictureEvents[] = {E::Paint,     E::Click,   E::DblClick, E::MouseDown,
                                       E::MouseMove, E::MouseUp, E::DragDrop};
constexpr EventName timerEvents[] = {E::Timer};
constexpr EventName listEvents[] = {E::Click, E::DblClick};

constexpr PropertyName caption[] = {P::Caption};
constexpr PropertyName captionAndValue[] = {P::Caption, P::Value};
constexpr PropertyName textProperties[] = {
    P::Text,     P::SelStart, P::SelLength,  P::SelText,        P::Locked,       P::FontName,
    P::FontSize, P::FontBold, P::FontItalic, P::FontStrikethru, P::FontUnderline};
constexpr PropertyName barProperties[] = {P::Value, P::Min, P::Max};
constexpr PropertyName pictureProperties[] = {P::CurrentX, P::CurrentY, P::DrawWidth,
                                              P::AutoRedraw};
constexpr PropertyName timerProperties[] = {P::Interval};
constexpr PropertyName listProperties[] = {P::ListIndex, P::List, P::Selected};
constexpr PropertyName menuProperties[] = {P::Caption, P::Checked};
constexpr PropertyName dialogProperties[] = {
    P::Filter,   P::FilterIndex, P::DefaultExt, P::Flags,          P::FileName,      P::FontName,
    P::FontSize, P::FontBold,    P::FontItalic, P::FontStrikethru, P::FontUnderline, P::Color};

// In the order of Kind.
constexpr KindInfo kinds[] = {
    {Kind::CommandButton, "CommandButton", make<CommandButton>, clicks, caption},
    {Kind::OptionButton, "OptionButton", make<OptionButton>, clicks, captionAndValue},
    {Kind::CheckBox, "CheckBox", make<CheckBox>, clicks, captionAndValue},
    {Kind::Label, "Label", make<Label>, labelEvents, caption},
    {Kind::TextBox, "TextBox", make<TextBox>, textEvents, textProperties},
    {Kind::HScrollBar, "HScrollBar", make<ScrollBar>, barEvents, barProperties},
    {Kind::VScrollBar, "VScrollBar", make<ScrollBar>, barEvents, barProperties},
    {Kind::PictureBox, "PictureBox", make<PictureBox>, pictureEvents, pictureProperties},
    {Kind::Frame, "Frame", make<Frame>, {}, caption},
    {Kind::Timer, "Timer", make<Timer>, timerEvents, timerProperties},
    {Kind::ListBox, "ListBox", make<ListBox>, listEvents, listProperties},
    {Kind::Menu, "Menu", make<Menu>, clicks, menuProperties},
    {Kind::CommonDialog, "CommonDialog", make<CommonDialog>, {}, dialogProperties},
};
static_assert(std::ranges::all_of(kinds, [](const KindInfo& info) {
    return &info - kinds == ptrdiff_t(info.kind);
}));

constexpr EventName everyControlsEvents[] = {E::GotFocus};
constexpr PropertyName everyControlsProperties[] = {P::Left,         P::Top,       P::Width,
                                                    P::Height,       P::Visible,   P::Enabled,
                                                    P::MousePointer, P::BackColor, P::ForeColor};

}  // namespace

bool KindInfo::raises(EventName event) const
{
    return std::ranges::find(events, event) != events.end() ||
           std::ranges::find(everyControlsEvents, event) != std::end(everyControlsEvents);
}

bool KindInfo::has(PropertyName property) const
{
    return std::ranges::find(properties, property) != properties.end() ||
           std::ranges::find(everyControlsProperties, property) !=
               std::end(everyControlsProperties);
}

const KindInfo& describe(Kind kind)
{
    return kinds[size_t(kind)];
}

QString kindName(Kind kind)
{
    return QString::fromLatin1(describe(kind).name);
}

}  // namespace rt
