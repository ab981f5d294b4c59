#include "forms/core/form_window.h"

#include "events/observer.h"
#include "forms/core/form.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

#include <stdexcept>

namespace rt {

FormWindow::FormWindow(Form& form) : m_form(form)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void FormWindow::setClientArea(QWidget* client)
{
    m_client = client;
    layout()->addWidget(client);
}

QMenuBar* FormWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void FormWindow::watchExposure()
{
    winId();
    if (windowHandle() == m_watched) return;
    m_watched = windowHandle();
    m_watched->installEventFilter(this);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (m_form.m_unloading) {
        event->accept();
        return;
    }
    event->ignore();
    // An event held before its handler runs (one event at a time) is dropped,
    // and the window closes once nothing of that event is left running.
    if (Observer* watcher = observer(); watcher && watcher->holdingEvent()) {
        watcher->dropHeldEvent([window = QPointer<FormWindow>(this)] {
            if (window) window->close();
        });
        return;
    }
    m_form.closeRequested();
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_form.resized();
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) m_form.activated();
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watched && event->type() == QEvent::Expose && m_watched->isExposed())
        m_form.exposed();
    return QWidget::eventFilter(watched, event);
}

ClientArea::ClientArea(QWidget* parent, const QString& picture) : QWidget(parent)
{
    if (picture.isEmpty()) return;
    if (!m_picture.load(picture))
        throw std::logic_error("missing form picture " + picture.toStdString());
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

}  // namespace rt
