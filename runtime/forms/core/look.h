#pragma once

#include "forms/core/layout.h"

#include <QColor>
#include <QFont>

#include <cstdint>

class QWidget;

namespace rt {

// Sets up the application-wide look every program shares: the style, the
// default font (Sans Serif 8 pt) and the point as decimal separator. Call once
// after the QApplication exists.
void initialiseLook();

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

// The system face for a layout font name ("Sans Serif", "Monospace",
// "Serif (Times style)"); other names are used as they are.
QString systemFamily(const QString& layoutName);
QFont toQFont(const Font& font);

void setBackColor(QWidget* widget, Colour colour);
void setForeColor(QWidget* widget, Colour colour);

}  // namespace rt
