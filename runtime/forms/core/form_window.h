#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

class QWindow;

namespace rt {

class Form;

// The top-level window of a form: its central widget is the client area.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(Form& form) : m_form(form) {}

    // The platform window tells when the window is shown or uncovered
    // (exposed); the widget itself only sees the repaints that follow. A new
    // owner gives the window a new platform window, so this runs at each Show.
    void watchExposure();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form& m_form;
    QPointer<QWindow> m_watched;
};

// The client area: it holds the controls and shows the form's picture, if
// any, at its natural size from the top left corner, cut off where the area
// ends and never stretched.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, const QString& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

}  // namespace rt
