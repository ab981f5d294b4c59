#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QMenuBar;
class QWindow;

namespace rt {

class Form;

// The top-level window of a form: the client area, below the menu bar when
// the form has menus. A plain widget with one layout: a main window's docks,
// tool bars and status bar would cost every program about 0.4 MiB of the
// toolkit's code for nothing.
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form);

    // Places `client` as the window's client area, filling the window.
    void setClientArea(QWidget* client);
    QWidget* clientArea() const { return m_client; }

    // The menu bar, made on first asking; none until then.
    QMenuBar* menuBar();
    QMenuBar* existingMenuBar() const { return m_menuBar; }

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
    QWidget* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
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
