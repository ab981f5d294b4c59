#pragma once

#include "events/observer.h"

#include <QPointer>

#include <functional>
#include <vector>

class QEventLoop;

namespace rt {

// One event at a time: while on, each new event waits before its handler
// runs until it is released, then runs with everything it sets off. While
// one waits the program's windows still repaint and move; user input waits
// in the window system's queue, other events run as they come, and an event
// that can come again (a timer's tick) is put off, at most once per source,
// until the waiting one has been released.
class Stepper {
public:
    Stepper() = default;
    Stepper(const Stepper&) = delete;
    Stepper& operator=(const Stepper&) = delete;

    // Told when an event starts waiting, and when a waiting event is dropped.
    std::function<void(const HandlerOrigin&)> onWaiting;
    std::function<void()> onDropped;

    // Off releases the waiting event.
    void setOn(bool on);
    bool isOn() const { return m_on; }
    bool holding() const { return m_loop != nullptr; }
    // Runs the waiting event.
    void release();
    // Drops the waiting event; `afterwards` runs once it has gone.
    void drop(std::function<void()> afterwards);

    // Before a new event's handler: returns whether it runs now.
    bool admit(const HandlerOrigin& origin);

private:
    enum class Outcome { Waiting, Released, Dropped };
    struct PutOff {
        QPointer<QObject> source;
        void (*repeat)(QObject*);
    };
    void bringBackPutOff();

    bool m_on = false;
    QEventLoop* m_loop = nullptr;
    Outcome m_outcome = Outcome::Waiting;
    std::function<void()> m_afterwards;
    std::vector<PutOff> m_putOff;
};

}  // namespace rt
