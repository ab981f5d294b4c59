#include "trace.h"

#include "buttons.h"
#include "control.h"
#include "label.h"
#include "listbox.h"
#include "menu.h"
#include "picturebox.h"
#include "scrollbar.h"
#include "textbox.h"
#include "timer.h"

#include <QHash>
#include <QLocalSocket>

namespace rt {

bool detail::g_tracing = false;

namespace {

QLocalSocket* g_socket = nullptr;
QHash<const void*, QString> g_names;
int g_depth = 0;

// Form events whose start is held back, innermost last: the name and depth of
// each, and whether it has been sent or dropped since.
struct HeldStart {
    QString name;
    int depth;
    bool sent = false;
    bool dropped = false;
};
QList<HeldStart> g_held;

using Event = std::function<void()>;
using MouseEvent = std::function<void(int, int, Single, Single)>;

// The event of `control` whose member lives at `address`, by its name.
template <typename T, typename E = Event>
const char* eventOf(const Control& control, const void* address,
                    std::initializer_list<std::pair<E T::*, const char*>> events)
{
    const auto* typed = dynamic_cast<const T*>(&control);
    if (!typed) return nullptr;
    for (const auto& [member, name] : events)
        if (&(typed->*member) == address) return name;
    return nullptr;
}

const char* eventName(const Control& control, const void* address)
{
    for (const char* name : {
             eventOf<CommandButton>(control, address, {{&CommandButton::Click, "Click"}}),
             eventOf<OptionButton>(control, address, {{&OptionButton::Click, "Click"}}),
             eventOf<CheckBox>(control, address, {{&CheckBox::Click, "Click"}}),
             eventOf<Label>(control, address,
                            {{&Label::Change, "Change"}, {&Label::Click, "Click"}}),
             eventOf<ListBox>(control, address,
                              {{&ListBox::Click, "Click"}, {&ListBox::DblClick, "DblClick"}}),
             eventOf<Menu>(control, address, {{&Menu::Click, "Click"}}),
             eventOf<PictureBox>(control, address,
                                 {{&PictureBox::Paint, "Paint"},
                                  {&PictureBox::Click, "Click"},
                                  {&PictureBox::DblClick, "DblClick"}}),
             eventOf<ScrollBar>(control, address,
                                {{&ScrollBar::Change, "Change"}, {&ScrollBar::Scroll, "Scroll"}}),
             eventOf<PictureBox, MouseEvent>(control, address,
                                             {{&PictureBox::MouseDown, "MouseDown"},
                                              {&PictureBox::MouseMove, "MouseMove"},
                                              {&PictureBox::MouseUp, "MouseUp"}}),
             eventOf<TextBox>(control, address, {{&TextBox::Change, "Change"}}),
             eventOf<TextBox, std::function<void(Integer&)>>(control, address,
                                                             {{&TextBox::KeyPress, "KeyPress"}}),
             eventOf<Timer>(control, address, {{&Timer::Tick, "Timer"}}),
             eventOf<Control>(control, address, {{&Control::GotFocus, "GotFocus"}}),
         })
        if (name) return name;
    return nullptr;
}

void write(char kind, int depth, const QString& text)
{
    g_socket->write(QStringLiteral("%1\t%2\t%3\n").arg(QChar(kind)).arg(depth).arg(text).toUtf8());
    g_socket->flush();
}

// Sends a line, after the held-back starts of the form events it lies inside.
void send(char kind, int depth, const QString& text)
{
    if (!g_socket) return;
    for (HeldStart& held : g_held) {
        if (held.sent || held.dropped) continue;
        held.sent = true;
        write('B', held.depth, held.name);
    }
    write(kind, depth, text);
}

}  // namespace

bool startTraceIfAsked()
{
    const QString name = qEnvironmentVariable("RT_TRACE");
    return !name.isEmpty() && startTrace(name);
}

bool startTrace(const QString& socketName)
{
    stopTrace();
    auto* socket = new QLocalSocket;
    socket->connectToServer(socketName, QIODevice::WriteOnly);
    if (!socket->waitForConnected(2000)) {
        delete socket;
        return false;
    }
    g_socket = socket;
    detail::g_tracing = true;
    return true;
}

void stopTrace()
{
    detail::g_tracing = false;
    g_names.clear();
    g_held.clear();
    if (!g_socket) return;
    g_socket->flush();
    g_socket->disconnectFromServer();
    delete g_socket;
    g_socket = nullptr;
}

bool tracing()
{
    return detail::g_tracing;
}

void nameForTrace(const Control& control, const void* event)
{
    if (!detail::g_tracing) return;
    const char* name = eventName(control, event);
    if (!name) return;
    QString full = control.name() + u'_' + QString::fromLatin1(name);
    if (control.index() >= 0) full += QStringLiteral("(%1)").arg(control.index());
    g_names.insert(event, full);
}

void detail::TraceScope::begin(const void* handler)
{
    const auto found = g_names.constFind(handler);
    if (found == g_names.constEnd()) return;
    m_active = true;
    m_name = *found;
    send('B', g_depth++, m_name);
}

void detail::TraceScope::beginFormEvent(const char* name)
{
    m_active = m_held = true;
    g_held.append({QString::fromLatin1(name), g_depth++});
}

void detail::TraceScope::end()
{
    --g_depth;
    if (m_held) {
        if (g_held.isEmpty()) return;  // tracing was stopped meanwhile
        const HeldStart& held = g_held.last();
        if (!held.dropped) send('E', held.depth, held.name);  // its start goes first
        g_held.removeLast();
        return;
    }
    send('E', g_depth, m_name);
}

void detail::formEventUnhandled()
{
    if (!g_held.isEmpty() && !g_held.last().sent) g_held.last().dropped = true;
}

void detail::traceError(int number, const QString& description)
{
    if (g_tracing) send('X', g_depth, QStringLiteral("%1 %2").arg(number).arg(description));
}

}  // namespace rt
