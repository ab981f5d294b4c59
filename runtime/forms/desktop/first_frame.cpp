#include "forms/desktop/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace rt {

namespace {

// Waits for the window's first exposure. The toolkit paints an exposed window
// as it handles the exposure, so work queued from here runs after the paint.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow* window, std::function<void()> work)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(m_work),
                                      Qt::QueuedConnection);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

}  // namespace

void afterFirstFrame(QWidget* window, std::function<void()> work)
{
    QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle || handle->isExposed()) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work),
                                  Qt::QueuedConnection);
        return;
    }
    new FirstExposure(handle, std::move(work));
}

}  // namespace rt
