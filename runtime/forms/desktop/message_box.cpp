// Message boxes, the beep and the end of the program, on the desktop.
#include "forms/desktop/desktop_interaction.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace rt {

namespace {
QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
        case vbCritical: return QMessageBox::Critical;
        case vbQuestion: return QMessageBox::Question;
        case vbExclamation: return QMessageBox::Warning;
        case vbInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 0x7) {
        case vbOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case vbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case vbYesNo: return QMessageBox::Yes | QMessageBox::No;
        default: return QMessageBox::Ok;
    }
}

// The button Enter presses: the one the style names, in the order shown.
QMessageBox::StandardButton defaultOf(int style)
{
    const int place = (style & 0x300) >> 8;
    switch (style & 0x7) {
        case vbOKCancel: return place == 1 ? QMessageBox::Cancel : QMessageBox::Ok;
        case vbYesNoCancel:
            return place == 2   ? QMessageBox::Cancel
                   : place == 1 ? QMessageBox::No
                                : QMessageBox::Yes;
        case vbYesNo: return place == 1 ? QMessageBox::No : QMessageBox::Yes;
        default: return QMessageBox::Ok;
    }
}

int answerOf(int button)
{
    switch (button) {
        case QMessageBox::Yes: return vbYes;
        case QMessageBox::No: return vbNo;
        case QMessageBox::Cancel: return vbCancel;
        default: return vbOK;
    }
}
}  // namespace

int DesktopInteraction::messageBox(const QString& prompt, int style, const QString& title)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(iconOf(style), title, text, buttonsOf(style), QApplication::activeWindow());
    // Closing a Yes/No box with its close box or Escape answers No.
    if ((style & 0x7) == vbYesNo) box.setEscapeButton(QMessageBox::No);
    box.setDefaultButton(defaultOf(style));
    return answerOf(box.exec());
}

void DesktopInteraction::beep()
{
    QApplication::beep();
}

void DesktopInteraction::endProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
}

}  // namespace rt
