#include "forms/desktop/program_icon.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace rt {

namespace {

// Drawn on a 64 by 64 grid and scaled to `size`.
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    const QColor steel(0x37, 0x47, 0x4f);
    const QColor water(0x42, 0x8b, 0xe0);
    // The window-like plate behind the tank.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xec, 0xef, 0xf1));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // Water in the lower half of the tank.
    painter.setBrush(water);
    painter.drawRect(QRectF(16, 34, 32, 20));
    // Inlet pipe from the top left with a falling stream.
    painter.setBrush(steel);
    painter.drawRect(QRectF(4, 8, 28, 6));
    painter.setBrush(water);
    painter.drawRect(QRectF(26, 14, 4, 20));
    // The tank's walls, open at the top.
    QPainterPath walls;
    walls.moveTo(16, 24);
    walls.lineTo(16, 54);
    walls.lineTo(48, 54);
    walls.lineTo(48, 24);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(steel, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(walls);
    return pixmap;
}

// Draws the icon at the size asked for, each time, and keeps nothing: the
// desktop takes each size once, when a window gets the icon, and a program
// should not hold the larger ones for the rest of its life.
class DrawnIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return drawIcon(qMax(1, qMin(size.width(), size.height())));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) sizes << QSize(size, size);
        return sizes;
    }
    QIconEngine* clone() const override { return new DrawnIconEngine; }
    QString key() const override { return QStringLiteral("rt_drawn"); }
};

}  // namespace

const QIcon& programIcon()
{
    static const QIcon icon(new DrawnIconEngine);
    return icon;
}

}  // namespace rt
