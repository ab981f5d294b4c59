#pragma once

#include "trace/record.h"

#include <QWidget>

#include <map>
#include <optional>

class QCheckBox;
class QListView;
class QLocalServer;
class QLocalSocket;
class QPushButton;

namespace rt {
class TraceLog;
}  // namespace rt

// Receives the event traces of the programs the gallery starts, on a local
// socket of its own, and shows them as they come: each handler with what it
// assigned and what that set off, message boxes and runtime errors, ticks of
// a timer folded. It can hide timer ticks and pause; "Stop before each event"
// makes the programs hold each new event until "Next event". The trace can be
// copied, saved as a text file and cleared. The form-level variables the
// programs report are passed on (variableChanged) for a pane of their own.
class TraceView : public QWidget {
    Q_OBJECT
public:
    explicit TraceView(QWidget* parent = nullptr);
    ~TraceView() override;

    // The socket name to give a program in RT_TRACE.
    QString socketName() const;
    // Takes one record line of the program known as `source` (tests).
    void addLine(int source, const QByteArray& line);

    rt::TraceLog* log() const { return m_log; }
    QListView* list() const { return m_list; }
    QCheckBox* pause() const { return m_pause; }
    QCheckBox* hideTicks() const { return m_hideTicks; }
    QCheckBox* stopBeforeEachEvent() const { return m_stopBeforeEach; }
    QPushButton* nextEvent() const { return m_next; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* clearButton() const { return m_clear; }

    // The trace as shown (the selected rows only, when `selectedOnly` and
    // some are selected), one entry a line.
    QString shownText(bool selectedOnly = false) const;
    bool saveTo(const QString& path);
    // Runs the event that has waited longest.
    void runNextEvent();

signals:
    // An entry was activated, or an event started waiting: the handler it
    // belongs to.
    void handlerActivated(const QString& program, const QString& form, const QString& procedure);
    void eventWaiting(const QString& program, const QString& form, const QString& procedure);
    void variableChanged(int source, const QString& program, const QString& form,
                         const QString& name, const QString& type, const QString& value);
    void windowGone(int source, const QString& form);
    // A new event's handler ended: what changes now, it changed.
    void eventEnded(int source);
    void programGone(int source);

private:
    struct Connection {
        QLocalSocket* socket = nullptr;
        QString program;
        bool greeted = false;
        std::optional<rt::HandlerName> waiting;  // the handler whose event waits
    };

    void accept();
    void take(int source, const rt::Record& record);
    void send(int source, const QByteArray& command);
    void sendToAll(const QByteArray& command);
    void stopWaiting(int source);
    void gone(int source);
    void copyShown();
    void saveShown();
    void followEnd();

    QLocalServer* m_server;
    rt::TraceLog* m_log;
    QListView* m_list;
    QCheckBox* m_pause;
    QCheckBox* m_hideTicks;
    QCheckBox* m_stopBeforeEach;
    QPushButton* m_next;
    QPushButton* m_copy;
    QPushButton* m_save;
    QPushButton* m_clear;
    std::map<int, Connection> m_connections;
    QList<int> m_waiting;  // programs whose event waits, longest first
    int m_nextSource = 1;
    bool m_following = true;
    bool m_followQueued = false;
};
