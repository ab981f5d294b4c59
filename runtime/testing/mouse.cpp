#include "testing/mouse.h"

#include "forms/controls/picturebox.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace rt::testing {

namespace {

// The buttons held and the event clock are QTest's own, so these actions and
// QTest's agree about both.
using QTestPrivate::qtestMouseButtons;

// Milliseconds since the previous event: within the double-click time for
// the presses of a double click, well beyond it between separate actions.
void advance(bool withinDoubleClick)
{
    QTest::lastMouseTimestamp += withinDoubleClick ? 1 : QTest::mouseDoubleClickInterval + 1;
}

void send(const PictureBox& box, double x, double y, Qt::MouseButton button, QEvent::Type type,
          Qt::KeyboardModifiers modifiers)
{
    QWidget* canvas = box.childArea();
    QWidget* top = canvas->window();
    QWindow* window = top->windowHandle();
    Q_ASSERT(window);
    const QPointF local = canvas->mapTo(top, box.toPixel(x, y));
    const QPointF global = top->mapToGlobal(local);
    // Fractions of a pixel reach the handlers, as a precise pointer gives them.
    qt_handleMouseEvent(window, local, global, qtestMouseButtons, button, type, modifiers,
                        QTest::lastMouseTimestamp);
    QCoreApplication::processEvents();
}

void press(const PictureBox& box, double x, double y, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers)
{
    qtestMouseButtons |= button;
    send(box, x, y, button, QEvent::MouseButtonPress, modifiers);
}

void release(const PictureBox& box, double x, double y, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers)
{
    qtestMouseButtons &= ~Qt::MouseButtons(button);
    send(box, x, y, button, QEvent::MouseButtonRelease, modifiers);
}

}  // namespace

void mousePress(const PictureBox& box, double x, double y, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers)
{
    advance(false);
    press(box, x, y, button, modifiers);
}

void mouseRelease(const PictureBox& box, double x, double y, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers)
{
    advance(true);
    release(box, x, y, button, modifiers);
}

void mouseMove(const PictureBox& box, double x, double y, Qt::KeyboardModifiers modifiers)
{
    advance(false);
    send(box, x, y, Qt::NoButton, QEvent::MouseMove, modifiers);
}

void mouseClick(const PictureBox& box, double x, double y, Qt::MouseButton button)
{
    mousePress(box, x, y, button);
    mouseRelease(box, x, y, button);
}

void mouseDoubleClick(const PictureBox& box, double x, double y, Qt::MouseButton button)
{
    mouseClick(box, x, y, button);
    advance(true);
    press(box, x, y, button, Qt::NoModifier);
    advance(true);
    release(box, x, y, button, Qt::NoModifier);
}

}  // namespace rt::testing
