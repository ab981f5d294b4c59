#include "trace/stepper.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <utility>

namespace rt {

void Stepper::setOn(bool on)
{
    m_on = on;
    if (!on) release();
}

void Stepper::release()
{
    if (!m_loop) return;
    m_outcome = Outcome::Released;
    m_loop->quit();
}

void Stepper::drop(std::function<void()> afterwards)
{
    if (!m_loop) return;
    m_outcome = Outcome::Dropped;
    m_afterwards = std::move(afterwards);
    m_loop->quit();
}

bool Stepper::admit(const HandlerOrigin& origin)
{
    if (!m_on) return true;
    if (m_loop) {
        if (!origin.repeat || !origin.source) return true;
        const bool known = std::ranges::any_of(
            m_putOff, [&](const PutOff& p) { return p.source == origin.source; });
        if (!known) m_putOff.push_back({origin.source, origin.repeat});
        return false;
    }
    QEventLoop loop;
    m_loop = &loop;
    m_outcome = Outcome::Waiting;
    if (onWaiting) onWaiting(origin);
    // The program quitting ends the loop too; the event then never runs.
    if (m_outcome == Outcome::Waiting) loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_loop = nullptr;
    bringBackPutOff();
    if (m_outcome == Outcome::Dropped) {
        if (onDropped) onDropped();
        if (auto afterwards = std::exchange(m_afterwards, {}))
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(afterwards),
                                      Qt::QueuedConnection);
    }
    return m_outcome == Outcome::Released;
}

// What was put off comes again once the program is back in its event loop.
void Stepper::bringBackPutOff()
{
    for (const PutOff& putOff : std::exchange(m_putOff, {})) {
        if (!putOff.source) continue;
        QObject* source = putOff.source;
        QMetaObject::invokeMethod(
            source, [source, repeat = putOff.repeat] { repeat(source); }, Qt::QueuedConnection);
    }
}

}  // namespace rt
