#include "testing/form_test.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cmath>

namespace rt::testing {

void FormTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
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

}  // namespace rt::testing
