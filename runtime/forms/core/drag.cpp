#include "forms/core/drag.h"

#include "forms/core/control.h"
#include "forms/core/form.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QWidget>

namespace rt {

namespace {

// The arrow of the sheets picture, tip first, as a classic pointer.
const QPolygon& arrowShape()
{
    static const QPolygon arrow{
        QList<QPoint>{{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}}};
    return arrow;
}
constexpr QPoint arrowTip(17, 13);

QImage sheetsPicture()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (int sheet = 0; sheet < 3; ++sheet) painter.drawRect(2 + 3 * sheet, 2 + 3 * sheet, 13, 17);
    painter.drawPolygon(arrowShape().translated(arrowTip));
    return image;
}

QImage outlinePicture(QSize size)
{
    QImage image(size.expandedTo(QSize(2, 2)), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

// The control of `form` whose widget (or inner area, for containers) holds
// `hit`, the source left out.
Control* controlHolding(const Form& form, QWidget* hit, const Control& source)
{
    for (QWidget* w = hit; w; w = w->parentWidget()) {
        for (Control* c : form.controls()) {
            if (c == &source) continue;
            const auto* container = dynamic_cast<const Container*>(c);
            if (c->widget() == w || (container && container->childArea() == w)) return c;
        }
    }
    return nullptr;
}

// Watches the source's widget and carries out its drags.
class AutomaticDrag : public QObject {
public:
    explicit AutomaticDrag(Control& source) : QObject(&source), m_source(source) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWidget* w = m_source.widget();
        if (watched != w) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() != Qt::LeftButton || m_dragging) return m_dragging;
                pickUp(mouse->position().toPoint());
                return true;
            }
            case QEvent::MouseMove:
            case QEvent::MouseButtonDblClick: return m_dragging;
            case QEvent::MouseButtonRelease: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (!m_dragging || mouse->button() != Qt::LeftButton) return m_dragging;
                putDown();
                dropAt(mouse->globalPosition().toPoint());
                return true;
            }
            case QEvent::KeyPress:
                if (m_dragging && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                    putDown();
                    return true;
                }
                return m_dragging;
            case QEvent::Hide:
                if (m_dragging) putDown();
                return false;
            default: return false;
        }
    }

private:
    void pickUp(QPoint grabbedAt)
    {
        QWidget* w = m_source.widget();
        const DragPicture picture =
            dragPicture(m_source.spec().props.dragIcon, w->size(), grabbedAt);
        m_dragging = true;
        w->grabMouse(
            QCursor(QPixmap::fromImage(picture.image), picture.hotSpot.x(), picture.hotSpot.y()));
        w->grabKeyboard();
    }

    void putDown()
    {
        m_dragging = false;
        QWidget* w = m_source.widget();
        w->releaseKeyboard();
        w->releaseMouse();
    }

    void dropAt(QPoint global)
    {
        QWidget* w = m_source.widget();
        QWidget* window = w->window();
        const QPoint at = window->mapFromGlobal(global);
        // The source is carried, not dropped on: look beneath it.
        const bool wasTransparent = w->testAttribute(Qt::WA_TransparentForMouseEvents);
        w->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        QWidget* hit = window->childAt(at);
        w->setAttribute(Qt::WA_TransparentForMouseEvents, wasTransparent);
        Control* target = controlHolding(m_source.form(), hit, m_source);
        if (!target) return;
        QWidget* area = target->widget();
        if (auto* container = dynamic_cast<Container*>(target)) area = container->childArea();
        target->dropped(m_source, area->mapFrom(window, QPointF(at)));
    }

    Control& m_source;
    bool m_dragging = false;
};

}  // namespace

void enableAutomaticDrag(Control& source)
{
    if (QWidget* w = source.widget()) w->installEventFilter(new AutomaticDrag(source));
}

DragPicture dragPicture(DragIcon icon, QSize size, QPoint grabbedAt)
{
    if (icon == DragIcon::Sheets) return {sheetsPicture(), arrowTip};
    return {outlinePicture(size), grabbedAt};
}

}  // namespace rt
