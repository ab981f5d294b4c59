#include "testing/form_test.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QWidget>

#include <cmath>

namespace rt::testing {

void FormTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool FormTest::showActive(Form& form)
{
    form.Show();
    const bool active = QTest::qWaitForWindowActive(form.window(), 5000);
    settle();
    return active;
}

QStringList layoutMismatches(const Form& form)
{
    QStringList problems;
    for (const ControlSpec& spec : form.spec().controls) {
        const Control* c = form.find(spec.name, spec.props.index);
        if (!c) {
            problems << spec.name + QStringLiteral(": missing");
            continue;
        }
        if (c->kind() != spec.kind) problems << spec.name + QStringLiteral(": kind differs");
        if (c->widget() == nullptr) continue;
        if (captionOf(*c) != spec.caption && !spec.caption.isEmpty() && spec.kind != Kind::TextBox)
            problems << spec.name + QStringLiteral(": caption \"%1\"").arg(captionOf(*c));
        const QRectF r = c->rectTwips();
        const auto off = [](double a, double b) { return std::abs(a - b) > twipsPerPixel; };
        if (off(r.left(), spec.left) || off(r.top(), spec.top) || off(r.width(), spec.width) ||
            off(r.height(), spec.height))
            problems << spec.name + QStringLiteral(": at %1,%2 %3x%4 twips")
                                        .arg(r.left())
                                        .arg(r.top())
                                        .arg(r.width())
                                        .arg(r.height());
    }
    return problems;
}

QStringList controlsOutside(const Form& form)
{
    QStringList problems;
    for (const Control* c : form.controls()) {
        const QWidget* w = c->widget();
        if (!w || !w->parentWidget()) continue;
        // A picture box clips what it holds, and programs draw with that: the
        // liquid in a tank is wider than the tank. There a control need only
        // be partly inside; in a frame or on the window, wholly.
        const QString& holder = c->spec().props.container;
        const bool clipped = !holder.isEmpty() && form.find(holder)->kind() == Kind::PictureBox;
        const QRect area = w->parentWidget()->rect();
        if (clipped ? !area.intersects(w->geometry()) : !area.contains(w->geometry()))
            problems << c->name() + QStringLiteral(": outside its container");
    }
    return problems;
}

}  // namespace rt::testing
