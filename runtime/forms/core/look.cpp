#include "forms/core/look.h"

#include "forms/core/style.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>
#include <QWidget>

namespace rt {

void initialiseLook()
{
    QApplication::setStyle(makeStyle());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.0);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QLocale::setDefault(QLocale::c());
}

QColor toQColor(Colour colour)
{
    const int32_t c = colour;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

Colour fromQColor(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QString systemFamily(const QString& layoutName)
{
    if (layoutName == QLatin1String("Sans Serif")) return QStringLiteral("Liberation Sans");
    if (layoutName == QLatin1String("Monospace")) return QStringLiteral("Liberation Mono");
    if (layoutName.startsWith(QLatin1String("Serif"))) return QStringLiteral("Liberation Serif");
    return layoutName;
}

QFont toQFont(const Font& font)
{
    QFont result(systemFamily(font.name));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeout);
    if (font.name == QLatin1String("Monospace")) result.setStyleHint(QFont::Monospace);
    return result;
}

void setBackColor(QWidget* widget, Colour colour)
{
    QPalette palette = widget->palette();
    const QColor c = toQColor(colour);
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Button, c);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeColor(QWidget* widget, Colour colour)
{
    QPalette palette = widget->palette();
    const QColor c = toQColor(colour);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::Text, c);
    palette.setColor(QPalette::ButtonText, c);
    widget->setPalette(palette);
}

}  // namespace rt
