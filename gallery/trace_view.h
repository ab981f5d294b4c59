#pragma once

#include <QWidget>

class QCheckBox;
class QLocalServer;
class QPlainTextEdit;

// One line of a program's event trace ("B\t1\thsbColor_Change(1)") as the
// gallery shows it, indented by depth; empty for a line it does not know.
QString traceText(const QString& line);

// Receives the event traces of the programs the gallery starts, on a local
// socket of its own, and shows them as they come: handlers indented by depth,
// runtime errors among them. It can pause and can hide timer ticks with all
// that runs inside them.
class TraceView : public QWidget {
    Q_OBJECT
public:
    explicit TraceView(QWidget* parent = nullptr);

    // The socket name to give a program in RT_TRACE.
    QString socketName() const;
    void addLine(const QString& line);

    QPlainTextEdit* text() const { return m_text; }
    QCheckBox* pause() const { return m_pause; }
    QCheckBox* hideTicks() const { return m_hideTicks; }

private:
    void accept();

    QLocalServer* m_server;
    QPlainTextEdit* m_text;
    QCheckBox* m_pause;
    QCheckBox* m_hideTicks;
    int m_hiddenTickDepth = -1;
};
