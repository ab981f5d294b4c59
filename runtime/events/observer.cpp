#include "events/observer.h"

namespace rt {

Observer* detail::g_observer = nullptr;
int detail::g_usersBehalf = 0;

void setObserver(Observer* observer)
{
    detail::g_observer = observer;
}

Observer* observer()
{
    return detail::g_observer;
}

void Assignment::begin(Subject subject, PropertyName property, std::optional<int> item,
                       const Variant& value)
{
    m_observer = detail::g_observer;
    m_observer->assignmentStarted(subject, property, item, value);
}

void reportFormEventUnhandled()
{
    if (detail::g_observer) detail::g_observer->formEventUnhandled();
}

void reportError(int number, const QString& description)
{
    if (detail::g_observer) detail::g_observer->errorShown(number, description);
}

}  // namespace rt
