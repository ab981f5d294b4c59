#include "events/observer.h"

namespace rt {

#ifndef RT_NO_TRACE
Observer* detail::g_observer = nullptr;
#endif
int detail::g_usersBehalf = 0;

void setObserver([[maybe_unused]] Observer* observer)
{
#ifndef RT_NO_TRACE
    detail::g_observer = observer;
#endif
}

Observer* observer()
{
    return detail::watching();
}

// Called only while somebody watches (never in a build without the trace).
void HandlerScope::begin(const HandlerOrigin& origin)
{
    m_observer = detail::watching();
    m_exceptions = std::uncaught_exceptions();
    if (m_observer) m_observer->handlerStarted(origin);
}

void HandlerScope::end()
{
    if (m_observer && m_observer == detail::watching())
        m_observer->handlerEnded(std::uncaught_exceptions() > m_exceptions);
}

void Assignment::begin(Subject subject, PropertyName property, std::optional<int> item,
                       const Variant& value)
{
    m_observer = detail::watching();
    if (m_observer) m_observer->assignmentStarted(subject, property, item, value);
}

void reportFormEventUnhandled()
{
    if (Observer* watcher = detail::watching()) watcher->formEventUnhandled();
}

void reportError(int number, const QString& description)
{
    if (Observer* watcher = detail::watching()) watcher->errorShown(number, description);
}

}  // namespace rt
