#pragma once

#include "layout.h"

#include <QColor>
#include <QFont>

#include <cstdint>

class QWidget;

namespace rt {

// Colours are 0x00BBGGRR, red in the low byte.
QColor toQColor(int32_t colour);
int32_t fromQColor(const QColor& colour);

// The system face for a layout font name ("Sans Serif", "Monospace",
// "Serif (Times style)"); other names are used as they are.
QString systemFamily(const QString& layoutName);
QFont toQFont(const Font& font);

void setBackColor(QWidget* widget, int32_t colour);
void setForeColor(QWidget* widget, int32_t colour);

}  // namespace rt
